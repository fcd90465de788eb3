// What one completed calculation answered, for a face that shows more of it than the seven
// characters of the boxes: the problem type, the five values (the given pair as it was read) and
// their full seven-decimal texts, and the sentence that reads the computed values out. Nothing
// here fails.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/solver.hpp"

#include <array>
#include <string>

namespace korvala::form {

struct Answer {
    calc::ProblemType type = calc::ProblemType::RH;
    calc::Cylinder values{};
    std::array<std::string, calc::kQuantityCount> texts; // as the regional settings write them
};

// The three computed quantities in quantity order: "D = 2,2360680; S = 6,2831853; V = 3,1415927".
[[nodiscard]] std::string announcementOf(const Answer& answer);

} // namespace korvala::form
