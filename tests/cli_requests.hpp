// Request lines for korvala-calc built from the shared tables, and the answers expected with the
// POSIX settings: every worked example, every run-time error, a blank line, CR LF, and invalid
// lines whose numbers must count the blank one.
#pragma once

#include "calc/problem_type.hpp"
#include "form/words.hpp"
#include "worked_examples.hpp"

#include <span>
#include <string>

namespace korvala::test {

struct ExpectedSession {
    std::string input;
    std::string output;
};

inline std::string requestLine(calc::ProblemType type, const Texts& texts) {
    const calc::GivenPair pair = calc::givenPairOf(type);
    std::string line = "{\"type\": " + std::to_string(static_cast<int>(type)) + ", \"texts\": [";
    std::string checks;
    for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
        const bool given = i == calc::indexOf(pair.first) || i == calc::indexOf(pair.second);
        line += (i == 0 ? "\"" : ", \"") + texts[i] + "\"";
        checks += (i == 0 ? "" : ", ") + std::string(given ? "1" : "0");
    }
    return line + "], \"checks\": [" + checks + "]}";
}

inline std::string joined(std::span<const std::string> texts) {
    std::string list;
    for (const std::string& text : texts) {
        list += (list.empty() ? "\"" : ",\"") + text + "\"";
    }
    return list;
}

// A JSON string, or null for "".
inline std::string orNull(const std::string& text) {
    return text.empty() ? "null" : "\"" + text + "\"";
}

// {"text": seven decimals, "exact": the exact form or null}
inline std::string surface(const std::array<std::string, 2>& value) {
    return R"({"text":")" + value[0] + R"(","exact":)" + orNull(value[1]) + "}";
}

inline ExpectedSession tableSession() {
    ExpectedSession session;
    for (const WorkedExample& example : workedExamples()) {
        session.input += requestLine(example.type, example.typed) + "\r\n";
        std::string exact;
        for (const std::string& form : example.exact) {
            exact += (exact.empty() ? "" : ",") + orNull(form);
        }
        session.output += R"({"outcome":"completed","texts":[)" + joined(example.texts) +
                          R"(],"shown":[)" + joined(example.shown) + R"(],"exact":[)" + exact +
                          R"(],"base":)" + surface(example.base) + R"(,"total":)" +
                          surface(example.total) + R"(,"steps":[)" + joined(example.steps) + "]}\n";
    }
    for (const ErrorExample& example : errorExamples()) {
        session.input += requestLine(example.type, example.typed) + "\n";
        session.output += R"({"outcome":"error","number":)" +
                          std::to_string(static_cast<int>(example.error)) + R"(,"message":")" +
                          std::string(form::errorText(example.error)) + "\"}\n";
    }
    session.input += "\n \t\nbad\n";
    session.output += R"({"outcome":"invalid","line":19,"message":"not valid JSON"})"
                      "\n";
    session.input += requestLine(calc::ProblemType::RH, {"0", "1", "", "", ""});
    session.output += R"({"outcome":"declined"})"
                      "\n";
    return session;
}

} // namespace korvala::test
