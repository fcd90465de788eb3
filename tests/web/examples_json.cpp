// Writes the worked examples (their working and what each box offers included), the run-time
// error examples, with the message each error must bring, the declines and practice problems as
// JSON, for the
// page's tests in the browser: one table for every face's tests.
#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/practice.hpp"
#include "form/words.hpp"
#include "worked_examples.hpp"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

namespace {

using nlohmann::json;

// The type, its list entry, the rows of its given pair, and what the user types.
json common(korvala::calc::ProblemType type, const korvala::test::Texts& typed) {
    const korvala::calc::GivenPair pair = korvala::calc::givenPairOf(type);
    return {{"type", static_cast<int>(type)},
            {"entry", korvala::form::listEntryOf(type)},
            {"given", {korvala::calc::indexOf(pair.first), korvala::calc::indexOf(pair.second)}},
            {"typed", typed}};
}

// A problem a link opens, with its answers, and the statements of a sheet's problems, with the
// decimal comma of the page's tests' language.
json practice() {
    namespace form = korvala::form;
    korvala::runtime::NumberSettings settings = korvala::runtime::posixNumberSettings();
    settings.decimalSymbol = ",";
    const form::PracticeProblem problem =
        form::practiceProblem(7, form::PracticeLevel::WholeNumbers, {}, settings);
    json asked = json::array();
    for (const form::PracticeAnswer& answer : problem.asked) {
        asked.push_back({{"name", form::answerBoxName(answer.symbol)},
                         {"letter", korvala::calc::letterOf(answer.symbol)},
                         {"unit", form::unitOf(answer.symbol, problem.unit)},
                         {"exact", answer.exact},
                         {"value", answer.value}});
    }
    constexpr std::uint32_t kSheetSeed = 40;
    json sheet = json::array();
    for (std::uint32_t seed = kSheetSeed; seed < kSheetSeed + 3; ++seed) {
        sheet.push_back(
            form::practiceProblem(seed, form::PracticeLevel::OneDecimal, {}, settings).statement);
    }
    return {{"problem",
             {{"seed", problem.seed},
              {"level", 1},
              {"statement", problem.statement},
              {"given", problem.given},
              {"asked", asked}}},
            {"sheet", {{"seed", kSheetSeed}, {"level", 2}, {"statements", sheet}}}};
}

json examples() {
    namespace test = korvala::test;
    json worked = json::array();
    for (const test::WorkedExample& example : test::workedExamples()) {
        json entry = common(example.type, example.typed);
        entry["texts"] = example.texts;
        entry["shown"] = example.shown;
        entry["offered"] = test::offeredAfter(example);
        entry["steps"] = example.steps;
        worked.push_back(std::move(entry));
    }
    json errors = json::array();
    for (const test::ErrorExample& example : test::errorExamples()) {
        const int number = static_cast<int>(example.error);
        json entry = common(example.type, example.typed);
        entry["name"] = example.name;
        entry["number"] = number;
        entry["message"] = korvala::form::content::runTimeErrorMessage(example.error).text;
        errors.push_back(std::move(entry));
    }
    json declines = json::array();
    for (const test::DeclineExample& example : test::declineExamples()) {
        json entry = common(example.type, example.typed);
        entry["name"] = example.name;
        declines.push_back(std::move(entry));
    }
    return {
        {"worked", worked}, {"errors", errors}, {"declines", declines}, {"practice", practice()}};
}

} // namespace

int main() {
    try {
        const std::string text = examples().dump() + "\n";
        return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& failure) {
        std::cerr << "korvala_web_examples: " << failure.what() << "\n";
        return 1;
    }
}
