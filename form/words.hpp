// The words the user sees for the core's codes: the quantities' letters and Bulgarian names,
// the problem types' list entries and the run-time errors' texts. The core itself speaks in
// codes and numbers only; every face and korvala-calc take their words from here.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "calc/steps.hpp"
#include "runtime/run_time_error.hpp"

#include <array>
#include <string_view>

namespace korvala::form {

// "R", "H", "D", "S", "V": the letters of the formulas.
[[nodiscard]] constexpr std::string_view letterOf(calc::Quantity quantity) {
    return calc::letterOf(calc::symbolOf(quantity));
}

// The quantity's Bulgarian name, for assistive technology and help texts.
[[nodiscard]] constexpr std::string_view nameOf(calc::Quantity quantity) {
    constexpr std::array<std::string_view, calc::kQuantityCount> kNames{
        "радиус на основата", "височина", "диагонал на осното сечение", "околна повърхнина",
        "обем"};
    return kNames.at(calc::indexOf(quantity));
}

// The list entry: the two letters, one blank between them ("R H").
[[nodiscard]] constexpr std::string_view listEntryOf(calc::ProblemType type) {
    constexpr std::array<std::string_view, calc::kProblemTypeCount> kEntries{
        "R H", "R D", "R S", "R V", "H D", "H S", "H V", "D S", "S V"};
    return kEntries.at(static_cast<std::size_t>(type));
}

// The Bulgarian text shown with a run-time error's number.
[[nodiscard]] constexpr std::string_view errorText(runtime::ErrorNumber number) {
    switch (number) {
    case runtime::ErrorNumber::InvalidArgument:
        return "Невалидно извикване на процедура или аргумент";
    case runtime::ErrorNumber::Overflow:
        return "Препълване";
    case runtime::ErrorNumber::DivisionByZero:
        return "Деление на нула";
    }
    return "Невалидно извикване на процедура или аргумент";
}

} // namespace korvala::form
