// Problems to practise on, posed as a Bulgarian school book poses them, and the marking of a
// student's answers.
//
// practiceProblem() makes one problem from a seed, the same everywhere (a link, a sheet, a test):
// a given pair among `pairs` (all nine where empty), its two given values as a student types
// them in the settings' notation within seven characters, a unit, the other three quantities
// asked (at times the base B or the total surface S₁ as well) and the statement in words. Level
// 1 gives whole numbers, with π in S and V; level 2 numbers with one decimal; level 3 "D S" and
// "H V" problems whose answers carry roots. Every asked value has an exact form. The answers
// come from the calculation itself, as the window would show them.
//
// markAnswer() marks a typed answer: right where it equals the exact value in any form
// readExactAnswer() reads, or where it is a decimal with at least two decimals that the value
// rounds to; "rounded wrongly" where it is within one unit of its last decimal; "another
// quantity" where it is the value of another quantity of the same cylinder; wrong otherwise.
// Nothing here throws but std::bad_alloc.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/steps.hpp"
#include "form/answer.hpp"
#include "runtime/number_settings.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvala::form {

// The most problems made at once: a worksheet's, and korvala-calc's.
inline constexpr int kMostProblemsAtOnce = 20;

enum class PracticeLevel { WholeNumbers = 1, OneDecimal = 2, Roots = 3 };

// mm, cm, dm, m.
enum class Unit { Millimetre, Centimetre, Decimetre, Metre };

struct PracticeAnswer {
    calc::Symbol symbol = calc::Symbol::R;
    double value = 0.0;
    std::string text;  // seven decimals
    std::string exact; // the school notation
    calc::ExactValue exactValue;
};

struct PracticeProblem {
    std::uint32_t seed = 0;
    PracticeLevel level = PracticeLevel::WholeNumbers;
    calc::ProblemType type = calc::ProblemType::RH;
    Unit unit = Unit::Centimetre;
    std::array<std::string, calc::kQuantityCount> given; // as typed; "" where not given
    std::string statement;
    std::vector<PracticeAnswer> asked;
    // Every quantity of the cylinder but T, asked or not, for telling one from another.
    std::vector<PracticeAnswer> all;
};

// The problem of a pair with its two given values typed, asking `asked`, in the unit; nothing
// where they do not complete or an asked value has no exact form.
[[nodiscard]] std::optional<PracticeProblem>
posedProblem(calc::ProblemType type, const std::array<std::string, calc::kQuantityCount>& given,
             std::span<const calc::Symbol> asked, Unit unit,
             const runtime::NumberSettings& settings);

[[nodiscard]] PracticeProblem practiceProblem(std::uint32_t seed, PracticeLevel level,
                                              std::span<const calc::ProblemType> pairs,
                                              const runtime::NumberSettings& settings);

// The problem as the window works it out, for a key: its working and its values.
[[nodiscard]] std::optional<Answer> keyOf(const PracticeProblem& problem,
                                          const runtime::NumberSettings& settings);

// An answer as the key gives it: "S = 30π ≈ 94,2477796 cm²", "R = 5/2 = 2,5000000 cm" where
// the decimals are exact, "R = 5 cm" where the value is whole.
[[nodiscard]] std::string keyLineOf(const PracticeAnswer& answer, Unit unit);

// The answer box's name, its letter first as the window's boxes have it: "S₁ – пълна повърхнина".
[[nodiscard]] std::string answerBoxName(calc::Symbol symbol);

// "cm", "cm²" or "cm³", as the quantity measures.
[[nodiscard]] std::string unitOf(calc::Symbol symbol, Unit unit);

enum class Verdict { Right, RoundedWrongly, OtherQuantity, Wrong };

struct Mark {
    Verdict verdict = Verdict::Wrong;
    std::optional<calc::Symbol> other; // the quantity whose value it is
};

[[nodiscard]] Mark markAnswer(const PracticeProblem& problem, const PracticeAnswer& asked,
                              std::string_view typed, const runtime::NumberSettings& settings);

// "вярно", "грешно", "грешно: близо, но закръглено неправилно", "грешно: това е S, а не S₁".
[[nodiscard]] std::string markText(const Mark& mark, calc::Symbol asked);

} // namespace korvala::form
