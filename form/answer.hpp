// What one completed calculation answered, for a face that shows more of it than the seven
// characters of the boxes: the problem type, the five values (the given pair as it was read)
// and their full seven-decimal texts, the working line by line, and the given pair as a line
// of its own ("Дадени: R = 1; H = 1"), the values in it without trailing zeros, as the working
// puts them into formulas. Nothing here fails but std::bad_alloc.
#pragma once

#include "calc/calculation.hpp"
#include "calc/problem_type.hpp"
#include "calc/solver.hpp"
#include "runtime/number_settings.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace korvala::form {

struct Answer {
    calc::ProblemType type = calc::ProblemType::RH;
    calc::Cylinder values{};
    std::array<std::string, calc::kQuantityCount> texts; // as the regional settings write them
    // The exact forms where the decimals only approximate them ("5π/2"), else nothing.
    std::array<std::optional<std::string>, calc::kQuantityCount> exact{};
    std::array<std::optional<double>, calc::kQuantityCount> typedTimesPi{};
    std::vector<std::string> working; // one line a step, in the order computed
    std::string given;                // "Дадени: R = 1; H = 1"
};

[[nodiscard]] Answer answerOf(calc::ProblemType type, const calc::Completed& completed,
                              const runtime::NumberSettings& settings);

// The three computed quantities in quantity order, each with its exact form first where the
// decimals only approximate it: "D = √5, около 2,2360680; S = 2π, около 6,2831853; V = 3".
[[nodiscard]] std::string announcementOf(const Answer& answer);
// The solution as plain text: the given pair's line, then the working, a line each.
[[nodiscard]] std::string solutionText(const Answer& answer);

} // namespace korvala::form
