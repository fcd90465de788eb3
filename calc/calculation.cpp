#include "calc/calculation.hpp"

#include "calc/exact_text.hpp"
#include "calc/typed_value.hpp"
#include "runtime/number_format.hpp"

namespace korvala::calc {

namespace {

Surface surfaceOf(Symbol symbol, const SymbolValues& values, const ExactSymbolValues& exact,
                  const runtime::NumberSettings& settings) {
    const std::size_t i = indexOf(symbol);
    return {values[i], runtime::formatSevenDecimals(values[i], settings), schoolText(exact[i])};
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
        Completed completed;
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            completed.values[i] = values[i];
            completed.texts[i] = runtime::formatSevenDecimals(values[i], settings);
            completed.exact[i] = schoolText(exact[i]);
            completed.rounded[i] = completed.exact[i] && !decimalsAreExact(exact[i]);
        }
        for (const Quantity quantity : {pair.first, pair.second}) {
            completed.typedTimesPi[indexOf(quantity)] = typed[indexOf(quantity)].timesPi;
        }
        completed.steps = stepLines(stepsOf(input.type), values, exact, settings);
        if (surfaces) {
            completed.base = surfaceOf(Symbol::B, values, exact, settings);
            completed.total = surfaceOf(Symbol::S1, values, exact, settings);
            std::vector<StepLine> lines = stepLines(surfaceSteps(), values, exact, settings);
            completed.steps.insert(completed.steps.end(), lines.begin(), lines.end());
        }
        return completed;
    } catch (const runtime::RunTimeError& error) {
        return Failed{error.number()};
    }
}

} // namespace korvala::calc
