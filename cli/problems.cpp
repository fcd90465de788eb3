#include "cli/problems.hpp"

#include "form/practice.hpp"
#include "form/practice_words.hpp"

#include <nlohmann/json.hpp>

namespace korvala::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string problemLine(const form::PracticeProblem& problem) {
    Json asked = Json::array();
    Json answers = Json::object();
    for (const form::PracticeAnswer& answer : problem.asked) {
        const std::string letter(calc::letterOf(answer.symbol));
        asked.push_back(letter);
        answers[letter] = {{"text", answer.text}, {"exact", answer.exact}};
    }
    return Json{{"seed", problem.seed},
                {"type", static_cast<int>(problem.type)},
                {"unit", form::practice_words::kUnits.at(static_cast<std::size_t>(problem.unit))},
                {"statement", problem.statement},
                {"given", problem.given},
                {"asked", asked},
                {"answers", answers}}
        .dump();
}

} // namespace

tl::expected<void, StreamFailure> writeProblems(const ProblemsWanted& wanted,
                                                const runtime::NumberSettings& settings,
                                                const AnswerSink& write) {
    for (int i = 0; i < wanted.count; ++i) {
        const auto seed = static_cast<std::uint32_t>(wanted.seed + static_cast<std::uint32_t>(i));
        const form::PracticeProblem problem = form::practiceProblem(
            seed, static_cast<form::PracticeLevel>(wanted.level), {}, settings);
        if (const auto written = write(problemLine(problem)); !written) {
            return written;
        }
    }
    return {};
}

} // namespace korvala::cli
