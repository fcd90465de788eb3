#include "calc/solver.hpp"

#include <algorithm>

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

Cylinder completeCylinder(ProblemType type, double firstGiven, double secondGiven) {
    const SymbolValues values = solve(type, firstGiven, secondGiven);
    Cylinder cylinder{};
    std::copy_n(values.begin(), kQuantityCount, cylinder.begin());
    return cylinder;
}

} // namespace korvala::calc
