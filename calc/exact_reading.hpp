// A student's answer read as an exact value: what Korvala writes (calc/exact_text.hpp) and the
// equal forms a student writes by hand.
//
// answerDecimalSymbol() is the settings' decimal symbol, or "." where it is a sign of the
// notation itself ("/" in some regional settings), so that "√41/2" means the same to everyone.
// readExactAnswer() reads a sum of terms, each a product of factors: a number (digits, at most
// one answerDecimalSymbol(), no grouping), "π" or "pi" (Latin letters in any
// case), "√" over the factor right after it, or a parenthesised sum; a factor may carry a power in
// superscript digits ("π²", "2³"). Products are written side by side or with "·", "*" or "×"; "/"
// divides by the factor after it, so "√41/2" is half of √41 and "35/(2π)" needs its parentheses.
// "+", "-" and "−" (U+2212) add and subtract, one may stand first; blanks anywhere between are
// ignored. The value is nothing where anything is left over, where the text is longer than
// kLongestAnswer bytes or nests parentheses deeper than kDeepestNesting, or where it has no exact
// form (a division by zero, an overflow, a root of a negative value). Nothing here throws but
// std::bad_alloc.
#pragma once

#include "calc/exact_value.hpp"
#include "runtime/number_settings.hpp"

#include <cstddef>
#include <optional>
#include <string_view>

namespace korvala::calc {

inline constexpr std::size_t kLongestAnswer = 64;
inline constexpr int kDeepestNesting = 8;

[[nodiscard]] std::string_view answerDecimalSymbol(const runtime::NumberSettings& settings);

[[nodiscard]] std::optional<ExactValue> readExactAnswer(std::string_view text,
                                                        const runtime::NumberSettings& settings);

} // namespace korvala::calc
