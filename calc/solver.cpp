#include "calc/solver.hpp"

#include "runtime/run_time_error.hpp"

#include <span>

namespace korvala::calc {

SymbolValues solve(ProblemType type, double firstGiven, double secondGiven) {
    const GivenPair pair = givenPairOf(type);
    SymbolValues values{};
    values[indexOf(symbolOf(pair.first))] = firstGiven;
    values[indexOf(symbolOf(pair.second))] = secondGiven;
    for (const Step& step : stepsOf(type)) {
        values[indexOf(step.symbol)] = step.evaluate(values);
    }
    return values;
}

std::optional<SymbolValues> withSurfaces(SymbolValues values) {
    try {
        for (const Step& step : surfaceSteps()) {
            values[indexOf(step.symbol)] = step.evaluate(values);
        }
        return values;
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;
    }
}

ExactSymbolValues solveExactly(ProblemType type, const ExactValue& firstGiven,
                               const ExactValue& secondGiven) {
    const GivenPair pair = givenPairOf(type);
    ExactSymbolValues values{};
    values[indexOf(symbolOf(pair.first))] = firstGiven;
    values[indexOf(symbolOf(pair.second))] = secondGiven;
    for (const std::span<const Step> steps : {stepsOf(type), surfaceSteps()}) {
        for (const Step& step : steps) {
            values[indexOf(step.symbol)] = step.evaluateExactly(values);
        }
    }
    return values;
}

} // namespace korvala::calc
