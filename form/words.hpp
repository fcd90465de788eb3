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

namespace detail {

// Each entry made once, at compile time, from the pair's letters, each a single character.
inline constexpr auto kListEntries = [] {
    std::array<std::array<char, 3>, calc::kProblemTypeCount> entries{};
    for (std::size_t position = 0; position < calc::kProblemTypeCount; ++position) {
        const calc::GivenPair pair = calc::givenPairOf(static_cast<calc::ProblemType>(position));
        entries.at(position) = {letterOf(pair.first).front(), ' ', letterOf(pair.second).front()};
    }
    return entries;
}();

} // namespace detail

// The list entry: the pair's two letters, one blank between them ("R H").
[[nodiscard]] constexpr std::string_view listEntryOf(calc::ProblemType type) {
    const auto& entry = detail::kListEntries.at(static_cast<std::size_t>(type));
    return {entry.data(), entry.size()};
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
