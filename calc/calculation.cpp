#include "calc/calculation.hpp"

#include "calc/exact_text.hpp"
#include "calc/typed_value.hpp"
#include "runtime/number_format.hpp"

#include <cstdint>
#include <span>

namespace korvala::calc {

namespace {

constexpr std::int64_t kSevenDecimals = 10'000'000;

// Whether seven decimals write an exact value exactly, as they do 5/2 but not 1/3 or π.
bool decimalsAreExact(const ExactValue& value) {
    const std::span<const Term> terms = value.terms();
    if (value.isNone() || terms.size() > 1) {
        return false;
    }
    if (terms.empty()) {
        return true;
    }
    const Term& term = terms.front();
    return term.piPower == 0 && term.radicand == 1 &&
           kSevenDecimals % term.coefficient.denominator == 0;
}

Surface surfaceOf(Symbol symbol, const SymbolValues& values, const ExactForms& forms,
                  const runtime::NumberSettings& settings) {
    const std::size_t i = indexOf(symbol);
    return {values[i], runtime::formatSevenDecimals(values[i], settings), forms[i]};
}

} // namespace

CalculationOutcome calculate(const CalculationInput& input,
                             const runtime::NumberSettings& settings) {
    try {
        std::array<TypedValue, kQuantityCount> typed{};
        bool valid = true;
        for (const Quantity quantity : kQuantities) {
            const std::size_t i = indexOf(quantity);
            typed[i] = readTypedValue(input.texts[i], settings);
            if (input.checks[i] && !(typed[i].value > 0.0)) {
                valid = false;
            }
        }
        if (!valid) {
            return Declined{};
        }
        const GivenPair pair = givenPairOf(input.type);
        const TypedValue& first = typed[indexOf(pair.first)];
        const TypedValue& second = typed[indexOf(pair.second)];
        const SymbolValues solved = solve(input.type, first.value, second.value);
        const std::optional<SymbolValues> surfaces = withSurfaces(solved);
        const SymbolValues& values = surfaces ? *surfaces : solved;
        const ExactSymbolValues exact = solveExactly(input.type, first.exact, second.exact);
        // Every form written once: all of them for the answer, the ones the decimals only
        // approximate for the working.
        ExactForms forms;
        ExactForms approximated;
        for (std::size_t i = 0; i < kSymbolCount; ++i) {
            forms[i] = schoolText(exact[i]);
            if (forms[i] && !decimalsAreExact(exact[i])) {
                approximated[i] = forms[i];
            }
        }
        Completed completed;
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            completed.values[i] = values[i];
            completed.texts[i] = runtime::formatSevenDecimals(values[i], settings);
            completed.exact[i] = forms[i];
            completed.rounded[i] = approximated[i].has_value();
        }
        for (const Quantity quantity : {pair.first, pair.second}) {
            completed.typedTimesPi[indexOf(quantity)] = typed[indexOf(quantity)].timesPi;
        }
        completed.steps = stepLines(stepsOf(input.type), values, approximated, settings);
        if (surfaces) {
            completed.base = surfaceOf(Symbol::B, values, forms, settings);
            completed.total = surfaceOf(Symbol::S1, values, forms, settings);
            std::vector<StepLine> lines = stepLines(surfaceSteps(), values, approximated, settings);
            completed.steps.insert(completed.steps.end(), lines.begin(), lines.end());
        }
        return completed;
    } catch (const runtime::RunTimeError& error) {
        return Failed{error.number()};
    }
}

} // namespace korvala::calc
