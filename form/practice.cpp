#include "form/practice.hpp"

#include "calc/calculation.hpp"
#include "calc/exact_reading.hpp"
#include "calc/exact_text.hpp"
#include "calc/solver.hpp"
#include "calc/typed_value.hpp"
#include "form/content.hpp"
#include "form/practice_words.hpp"
#include "form/value_box.hpp"
#include "runtime/characters.hpp"
#include "runtime/float_text.hpp"
#include "runtime/utf8.hpp"

#include <algorithm>

namespace korvala::form {

namespace {

namespace words = practice_words;
using calc::Symbol;

// Tries before a level falls back on its own problem: far more than any seed needs.
constexpr int kTries = 200;

// SplitMix64: the same numbers from a seed on every platform, which the standard library's
// distributions do not promise.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : state_(seed) {}

    int below(int count) {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        z ^= z >> 31U;
        return static_cast<int>(z % static_cast<std::uint64_t>(count));
    }
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::uint64_t state_;
};

// A positive rational as a student types it, with at most `mostDecimals` decimals; nothing where
// it needs more.
std::optional<std::string> decimalText(std::int64_t numerator, std::int64_t denominator,
                                       int mostDecimals, std::string_view decimalSymbol) {
    std::int64_t scale = 1;
    for (int decimals = 0; decimals <= mostDecimals; ++decimals, scale *= 10) {
        if ((numerator * scale) % denominator != 0) {
            continue;
        }
        const std::int64_t scaled = numerator * scale / denominator;
        std::string text = std::to_string(scaled / scale);
        if (decimals > 0) {
            std::string fraction = std::to_string(scaled % scale);
            fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
            text += std::string(decimalSymbol) + fraction;
        }
        return text;
    }
    return std::nullopt;
}

using Givens = std::array<std::optional<std::string>, calc::kQuantityCount>;

// A cylinder whose R, H and D are whole (level 1) or halves (level 2): 2R, H and D a Pythagorean
// triple, scaled; S and V as multiples of π.
Givens tripleCylinder(Draw& draw, std::int64_t denominator, std::string_view decimalSymbol) {
    const int m = draw.between(2, 4);
    const int n = draw.between(1, m - 1);
    const int k = draw.between(1, 3);
    const std::int64_t r = static_cast<std::int64_t>(k) * m * n;
    const std::int64_t h = static_cast<std::int64_t>(k) * (m * m - n * n);
    const std::int64_t d = static_cast<std::int64_t>(k) * (m * m + n * n);
    const int most = denominator == 1 ? 0 : 1;
    const auto text = [&](std::int64_t numerator, std::int64_t over) {
        return decimalText(numerator, over, most, decimalSymbol);
    };
    const auto timesPi = [](std::optional<std::string> number) {
        return number ? std::optional(*number + "π") : std::nullopt;
    };
    return {text(r, denominator), text(h, denominator), text(d, denominator),
            timesPi(text(2 * r * h, denominator * denominator)),
            timesPi(text(r * r * h, denominator * denominator * denominator))};
}

// "D S" or "H V" with whole numbers, whose answers come out with roots.
Givens rootCylinder(Draw& draw, calc::ProblemType type) {
    Givens givens{};
    if (type == calc::ProblemType::HV) {
        givens.at(calc::indexOf(calc::Quantity::H)) = std::to_string(draw.between(2, 9));
        givens.at(calc::indexOf(calc::Quantity::V)) = std::to_string(draw.between(2, 80)) + "π";
    } else {
        const int d = draw.between(3, 12);
        givens.at(calc::indexOf(calc::Quantity::D)) = std::to_string(d);
        givens.at(calc::indexOf(calc::Quantity::S)) =
            std::to_string(draw.between(1, d * d / 2 - 1)) + "π";
    }
    return givens;
}

std::vector<calc::ProblemType> typesFor(PracticeLevel level,
                                        std::span<const calc::ProblemType> pairs) {
    std::vector<calc::ProblemType> types;
    for (std::size_t position = 0; position < calc::kProblemTypeCount; ++position) {
        const auto type = static_cast<calc::ProblemType>(position);
        const bool chosen =
            pairs.empty() || std::find(pairs.begin(), pairs.end(), type) != pairs.end();
        const bool ofLevel = level != PracticeLevel::Roots || type == calc::ProblemType::DS ||
                             type == calc::ProblemType::HV;
        if (chosen && ofLevel) {
            types.push_back(type);
        }
    }
    if (types.empty()) {
        types = level == PracticeLevel::Roots
                    ? std::vector{calc::ProblemType::DS, calc::ProblemType::HV}
                    : std::vector{calc::ProblemType::RH};
    }
    return types;
}

bool hasRoot(const calc::ExactValue& value) {
    return std::any_of(value.terms().begin(), value.terms().end(),
                       [](const calc::Term& term) { return term.radicand != 1; });
}

struct Attempt {
    calc::ProblemType type = calc::ProblemType::RH;
    std::array<std::string, calc::kQuantityCount> given;
    std::vector<Symbol> asked;
};

std::string statementOf(const PracticeProblem& problem);

// The window's boxes with the given values typed and ticked.
calc::CalculationInput inputOf(calc::ProblemType type,
                               const std::array<std::string, calc::kQuantityCount>& given) {
    calc::CalculationInput input;
    input.type = type;
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        input.texts.at(row) = given.at(row);
        input.checks.at(row) = !given.at(row).empty();
    }
    return input;
}

} // namespace

std::optional<PracticeProblem>
posedProblem(calc::ProblemType type, const std::array<std::string, calc::kQuantityCount>& given,
             std::span<const calc::Symbol> asked, Unit unit,
             const runtime::NumberSettings& settings) {
    const Attempt attempt{type, given, {asked.begin(), asked.end()}};
    const bool fitsTheBoxes = std::all_of(given.begin(), given.end(), [](const std::string& typed) {
        return runtime::utf8::characterCount(typed) <= kValueBoxWidth;
    });
    if (!fitsTheBoxes) {
        return std::nullopt;
    }
    const calc::GivenPair pair = calc::givenPairOf(attempt.type);
    const calc::CalculationOutcome outcome =
        calc::calculate(inputOf(attempt.type, attempt.given), settings);
    const auto* completed = std::get_if<calc::Completed>(&outcome);
    if (completed == nullptr || !completed->base || !completed->total) {
        return std::nullopt;
    }
    const calc::ExactSymbolValues exact = calc::solveExactly(
        attempt.type,
        calc::readTypedValue(attempt.given.at(calc::indexOf(pair.first)), settings).exact,
        calc::readTypedValue(attempt.given.at(calc::indexOf(pair.second)), settings).exact);
    PracticeProblem problem;
    problem.type = attempt.type;
    problem.unit = unit;
    problem.given = attempt.given;
    for (const Symbol symbol :
         {Symbol::R, Symbol::H, Symbol::D, Symbol::S, Symbol::V, Symbol::B, Symbol::S1}) {
        const bool isAsked =
            std::find(attempt.asked.begin(), attempt.asked.end(), symbol) != attempt.asked.end();
        PracticeAnswer answer{symbol, 0.0, {}, {}, exact.at(calc::indexOf(symbol))};
        std::optional<std::string> exactText;
        if (const auto quantity = calc::quantityOf(symbol)) {
            answer.value = completed->values.at(calc::indexOf(*quantity));
            answer.text = completed->texts.at(calc::indexOf(*quantity));
            exactText = completed->exact.at(calc::indexOf(*quantity));
        } else {
            const calc::Surface& surface =
                symbol == Symbol::B ? *completed->base : *completed->total;
            answer.value = surface.value;
            answer.text = surface.text;
            exactText = surface.exact;
        }
        if (!exactText || answer.exactValue.isNone()) {
            if (isAsked) {
                return std::nullopt;
            }
            continue;
        }
        answer.exact = *exactText;
        problem.all.push_back(answer);
        if (isAsked) {
            problem.asked.push_back(answer);
        }
    }
    problem.statement = statementOf(problem);
    return problem;
}

namespace {

// The attempt's problem where it is one of its level: a level 3 problem has a root in an answer.
std::optional<PracticeProblem> answered(const Attempt& attempt, PracticeLevel level, Unit unit,
                                        const runtime::NumberSettings& settings) {
    std::optional<PracticeProblem> problem =
        posedProblem(attempt.type, attempt.given, attempt.asked, unit, settings);
    if (problem && level == PracticeLevel::Roots &&
        std::none_of(problem->asked.begin(), problem->asked.end(),
                     [](const PracticeAnswer& answer) { return hasRoot(answer.exactValue); })) {
        return std::nullopt;
    }
    return problem;
}

std::optional<Attempt> attemptOf(Draw& draw, PracticeLevel level,
                                 const std::vector<calc::ProblemType>& types,
                                 std::string_view decimalSymbol) {
    Attempt attempt;
    attempt.type = types.at(static_cast<std::size_t>(draw.below(static_cast<int>(types.size()))));
    const Givens all =
        level == PracticeLevel::Roots
            ? rootCylinder(draw, attempt.type)
            : tripleCylinder(draw, level == PracticeLevel::OneDecimal ? 2 : 1, decimalSymbol);
    const calc::GivenPair pair = calc::givenPairOf(attempt.type);
    bool anyDecimal = false;
    for (const calc::Quantity quantity : calc::kQuantities) {
        const std::size_t row = calc::indexOf(quantity);
        if (quantity == pair.first || quantity == pair.second) {
            if (!all.at(row)) {
                return std::nullopt;
            }
            attempt.given.at(row) = *all.at(row);
            anyDecimal =
                anyDecimal || attempt.given.at(row).find(decimalSymbol) != std::string::npos;
        } else {
            attempt.asked.push_back(calc::symbolOf(quantity));
        }
    }
    if (level == PracticeLevel::OneDecimal && !anyDecimal) {
        return std::nullopt;
    }
    // At times the base or the total surface as well, as the book asks them.
    switch (draw.below(4)) {
    case 0:
        attempt.asked.push_back(Symbol::B);
        break;
    case 1:
        attempt.asked.push_back(Symbol::S1);
        break;
    default:
        break;
    }
    return attempt;
}

// The level's own problem, which every level's rules allow, where no try made one.
Attempt fallbackOf(PracticeLevel level, const std::vector<calc::ProblemType>& types) {
    Attempt attempt;
    if (level == PracticeLevel::Roots) {
        attempt.type = calc::ProblemType::HV;
        attempt.given = {"", "3", "", "", "6π"};
        attempt.asked = {Symbol::R, Symbol::D, Symbol::S};
        return attempt;
    }
    attempt.type = types.front();
    const std::array<std::string, calc::kQuantityCount> cylinder{"2", "3", "5", "12π", "12π"};
    const calc::GivenPair pair = calc::givenPairOf(attempt.type);
    for (const calc::Quantity quantity : calc::kQuantities) {
        if (quantity == pair.first || quantity == pair.second) {
            attempt.given.at(calc::indexOf(quantity)) = cylinder.at(calc::indexOf(quantity));
        } else {
            attempt.asked.push_back(calc::symbolOf(quantity));
        }
    }
    return attempt;
}

std::string listed(const std::vector<PracticeAnswer>& asked) {
    std::string list;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        if (i > 0) {
            list += i + 1 == asked.size() ? words::kLastOf : std::string_view(", ");
        }
        list += words::wordsOf(asked.at(i).symbol).object;
    }
    return list;
}

std::string statementOf(const PracticeProblem& problem) {
    const calc::GivenPair pair = calc::givenPairOf(problem.type);
    const auto given = [&](calc::Quantity quantity) {
        return problem.given.at(calc::indexOf(quantity)) + " " +
               unitOf(calc::symbolOf(quantity), problem.unit);
    };
    return std::string(words::wordsOf(calc::symbolOf(pair.first)).openingSubject) +
           std::string(words::kOf) + given(pair.first) + std::string(words::kAnd) +
           std::string(words::wordsOf(calc::symbolOf(pair.second)).subject) +
           std::string(words::kIts) + given(pair.second) + "." + std::string(words::kFind) +
           listed(problem.asked) + std::string(words::kOfTheCylinder);
}

// The digits after the decimal symbol where the text is a plain decimal number; nothing else.
std::optional<int> decimalsOf(std::string_view typed, std::string_view decimalSymbol) {
    while (!typed.empty() && typed.front() == ' ') {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && typed.back() == ' ') {
        typed.remove_suffix(1);
    }
    const std::size_t symbol = typed.find(decimalSymbol);
    const std::string_view whole = typed.substr(0, symbol);
    const std::string_view fraction = symbol == std::string_view::npos
                                          ? std::string_view{}
                                          : typed.substr(symbol + decimalSymbol.size());
    const auto digitsOnly = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(), runtime::characters::isDigit);
    };
    if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction)) {
        return std::nullopt;
    }
    return static_cast<int>(fraction.size());
}

// The value rounded to `decimals`, as an exact rational.
std::optional<calc::ExactValue> rounded(double value, int decimals) {
    std::array<char, 512> buffer{};
    const runtime::float_text::WriteResult length =
        runtime::float_text::writeFixed(value, decimals, buffer);
    if (!length) {
        return std::nullopt;
    }
    return calc::readExactAnswer(std::string_view(buffer.data(), *length),
                                 runtime::posixNumberSettings());
}

} // namespace

PracticeProblem practiceProblem(std::uint32_t seed, PracticeLevel level,
                                std::span<const calc::ProblemType> pairs,
                                const runtime::NumberSettings& settings) {
    const std::vector<calc::ProblemType> types = typesFor(level, pairs);
    Draw draw(seed);
    const auto unit = static_cast<Unit>(draw.below(static_cast<int>(words::kUnits.size())));
    std::optional<PracticeProblem> problem;
    for (int attempt = 0; attempt < kTries && !problem; ++attempt) {
        if (const auto tried = attemptOf(draw, level, types, settings.decimalSymbol)) {
            problem = answered(*tried, level, unit, settings);
        }
    }
    if (!problem) {
        problem = answered(fallbackOf(level, types), level, unit, settings);
    }
    problem->seed = seed;
    problem->level = level;
    return *problem;
}

std::optional<Answer> keyOf(const PracticeProblem& problem,
                            const runtime::NumberSettings& settings) {
    const calc::CalculationOutcome outcome =
        calc::calculate(inputOf(problem.type, problem.given), settings);
    if (const auto* completed = std::get_if<calc::Completed>(&outcome)) {
        return answerOf(problem.type, *completed, settings);
    }
    return std::nullopt;
}

std::string keyLineOf(const PracticeAnswer& answer, Unit unit) {
    const std::span<const calc::Term> terms = answer.exactValue.terms();
    const bool rational = terms.empty() || (terms.size() == 1 && terms.front().piPower == 0 &&
                                            terms.front().radicand == 1);
    const std::int64_t denominator =
        rational && !terms.empty() ? terms.front().coefficient.denominator : std::int64_t{1};
    constexpr std::int64_t kSevenDecimals = 10'000'000;
    std::string line = std::string(calc::letterOf(answer.symbol)) + " = " + answer.exact;
    if (!rational) {
        line += " ≈ " + answer.text;
    } else if (denominator != 1) {
        line += (kSevenDecimals % denominator == 0 ? " = " : " ≈ ") + answer.text;
    }
    return line + " " + unitOf(answer.symbol, unit);
}

std::string answerBoxName(calc::Symbol symbol) {
    if (const auto quantity = calc::quantityOf(symbol)) {
        return content::valueBoxName(calc::indexOf(*quantity));
    }
    return std::string(calc::letterOf(symbol)) + " – " +
           std::string(symbol == Symbol::B ? words::kBaseName : words::kTotalName);
}

std::string unitOf(calc::Symbol symbol, Unit unit) {
    std::string text(words::kUnits.at(static_cast<std::size_t>(unit)));
    if (symbol == Symbol::S || symbol == Symbol::B || symbol == Symbol::S1) {
        text += words::kSquared;
    } else if (symbol == Symbol::V) {
        text += words::kCubed;
    }
    return text;
}

Mark markAnswer(const PracticeProblem& problem, const PracticeAnswer& asked, std::string_view typed,
                const runtime::NumberSettings& settings) {
    const std::optional<calc::ExactValue> value = calc::readExactAnswer(typed, settings);
    if (!value) {
        return {};
    }
    const std::optional<int> decimals = decimalsOf(typed, calc::answerDecimalSymbol(settings));
    const auto isValueOf = [&](const PracticeAnswer& answer) {
        return *value == answer.exactValue ||
               (decimals && *decimals >= 2 && rounded(answer.value, *decimals) == *value);
    };
    if (isValueOf(asked)) {
        return {Verdict::Right, std::nullopt};
    }
    if (decimals && *decimals >= 2) {
        if (const auto correct = rounded(asked.value, *decimals)) {
            std::int64_t unit = 1;
            for (int i = 0; i < *decimals; ++i) {
                unit *= 10;
            }
            const calc::ExactValue step = calc::ExactValue::fraction(1, unit);
            const calc::ExactValue off = calc::subtract(*value, *correct);
            if (off == step || off == calc::subtract(calc::ExactValue{}, step)) {
                return {Verdict::RoundedWrongly, std::nullopt};
            }
        }
    }
    for (const PracticeAnswer& other : problem.all) {
        if (other.symbol != asked.symbol && isValueOf(other)) {
            return {Verdict::OtherQuantity, other.symbol};
        }
    }
    return {};
}

std::string markText(const Mark& mark, calc::Symbol asked) {
    switch (mark.verdict) {
    case Verdict::Right:
        return std::string(words::kRight);
    case Verdict::RoundedWrongly:
        return std::string(words::kWrong) + ": " + std::string(words::kRoundedWrongly);
    case Verdict::OtherQuantity:
        return std::string(words::kWrong) + ": " + std::string(words::kThisIs) +
               std::string(calc::letterOf(mark.other.value_or(asked))) + std::string(words::kNot) +
               std::string(calc::letterOf(asked));
    case Verdict::Wrong:
        break;
    }
    return std::string(words::kWrong);
}

} // namespace korvala::form
