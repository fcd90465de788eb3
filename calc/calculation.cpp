#include "calc/calculation.hpp"

#include "runtime/number_format.hpp"
#include "runtime/number_parse.hpp"

namespace korvala::calc {

CalculationOutcome calculate(const CalculationInput& input,
                             const runtime::NumberSettings& settings) {
    try {
        Cylinder parsed{};
        bool valid = true;
        for (const Quantity quantity : kQuantities) {
            const std::size_t i = indexOf(quantity);
            parsed[i] = runtime::parseLeadingNumber(input.texts[i], settings);
            if (input.checks[i] && !(parsed[i] > 0.0)) {
                valid = false;
            }
        }
        if (!valid) {
            return Declined{};
        }
        const GivenPair pair = givenPairOf(input.type);
        const SymbolValues values =
            solve(input.type, parsed[indexOf(pair.first)], parsed[indexOf(pair.second)]);
        Completed completed;
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            completed.values[i] = values[i];
            completed.texts[i] = runtime::formatSevenDecimals(values[i], settings);
        }
        completed.steps = stepLines(input.type, values, settings);
        return completed;
    } catch (const runtime::RunTimeError& error) {
        return Failed{error.number()};
    }
}

} // namespace korvala::calc
