// The school notation of an exact value, one text for every language setting.
//
// A value has a text where it is not none and is zero ("0") or a sum of at most two terms that
// share one power of π; every other value has none, as has a sum whose terms' least common
// denominator overflows. The text is linear school notation in UTF-8: integers only, never a
// decimal point; π (U+03C0); √ (U+221A) over the integer right after it; the minus sign U+2212;
// "/" before a denominator. Fractions are in lowest terms with no square factor under a root
// and no coefficient 1, π comes before √ in a term, powers of π other than 1 are superscripts
// (π²) and a negative one goes into the denominator: "5π/2", "3π√2/4", "35/(2π)". Two terms are
// joined by " + " or " − ", the positive one first and otherwise the larger; a leading minus has
// no space. A sum is written over its terms' least common denominator in parentheses, its shared
// power of π in front: "2 − √3", "(√6 − √2)/2", "π(√6 − √2)".
#pragma once

#include "calc/exact_value.hpp"

#include <optional>
#include <string>

namespace korvala::calc {

[[nodiscard]] std::optional<std::string> schoolText(const ExactValue& value);

} // namespace korvala::calc
