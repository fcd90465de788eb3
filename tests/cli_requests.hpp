// Request lines for korvala-calc built from the shared tables, and the answers expected with the
// POSIX settings: every worked example, every run-time error, a blank line, CR LF, and invalid
// lines whose numbers must count the blank one.
#pragma once

#include "calc/problem_type.hpp"
#include "form/words.hpp"
#include "worked_examples.hpp"

#include <array>
#include <nlohmann/json.hpp>
#include <string>

namespace korvala::test {

struct ExpectedSession {
    std::string input;
    std::string output;
};

using Json = nlohmann::ordered_json;

inline std::string requestLine(calc::ProblemType type, const Texts& texts) {
    const calc::GivenPair pair = calc::givenPairOf(type);
    Json checks = Json::array();
    for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
        checks.push_back(i == calc::indexOf(pair.first) || i == calc::indexOf(pair.second) ? 1 : 0);
    }
    return Json{{"type", static_cast<int>(type)}, {"texts", texts}, {"checks", checks}}.dump();
}

// A text, or null for "".
inline Json orNull(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

// {"text": seven decimals, "exact": the exact form or null}
inline Json surface(const std::array<std::string, 2>& value) {
    return {{"text", value[0]}, {"exact", orNull(value[1])}};
}

inline ExpectedSession tableSession() {
    ExpectedSession session;
    for (const WorkedExample& example : workedExamples()) {
        session.input += requestLine(example.type, example.typed) + "\r\n";
        Json exact = Json::array();
        for (const std::string& form : example.exact) {
            exact.push_back(orNull(form));
        }
        session.output += Json{{"outcome", "completed"},        {"texts", example.texts},
                               {"shown", example.shown},        {"exact", exact},
                               {"base", surface(example.base)}, {"total", surface(example.total)},
                               {"steps", example.steps}}
                              .dump() +
                          "\n";
    }
    for (const ErrorExample& example : errorExamples()) {
        session.input += requestLine(example.type, example.typed) + "\n";
        session.output += Json{{"outcome", "error"},
                               {"number", static_cast<int>(example.error)},
                               {"message", form::errorText(example.error)}}
                              .dump() +
                          "\n";
    }
    session.input += "\n \t\nbad\n";
    session.output +=
        Json{{"outcome", "invalid"}, {"line", 19}, {"message", "not valid JSON"}}.dump() + "\n";
    session.input += requestLine(calc::ProblemType::RH, {"0", "1", "", "", ""});
    session.output += Json{{"outcome", "declined"}}.dump() + "\n";
    return session;
}

} // namespace korvala::test
