// Writes the worked examples (their working and what each box offers included) and the run-time
// error examples as JSON, with the message each error must bring, for the page's tests in the
// browser: one table for every face's tests.
#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/words.hpp"
#include "worked_examples.hpp"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string quoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else {
            json += c;
        }
    }
    return json + '"';
}

template <typename Strings> std::string texts(const Strings& values) {
    std::string json = "[";
    for (const std::string& value : values) {
        json += (json.size() > 1 ? "," : "") + quoted(value);
    }
    return json + "]";
}

// The type, its list entry, the rows of its given pair, and what the user types.
std::string common(korvala::calc::ProblemType type, const korvala::test::Texts& typed) {
    const korvala::calc::GivenPair pair = korvala::calc::givenPairOf(type);
    return "\"type\":" + std::to_string(static_cast<int>(type)) +
           ",\"entry\":" + quoted(korvala::form::listEntryOf(type)) + ",\"given\":[" +
           std::to_string(korvala::calc::indexOf(pair.first)) + "," +
           std::to_string(korvala::calc::indexOf(pair.second)) + "],\"typed\":" + texts(typed);
}

} // namespace

int main() {
    namespace test = korvala::test;
    std::string json = "{\"worked\":[";
    for (const test::WorkedExample& example : test::workedExamples()) {
        json += (json.back() == '[' ? "{" : ",{") + common(example.type, example.typed) +
                ",\"texts\":" + texts(example.texts) + ",\"shown\":" + texts(example.shown) +
                ",\"offered\":" + texts(test::offeredAfter(example)) +
                ",\"steps\":" + texts(example.steps) + "}";
    }
    json += "],\"errors\":[";
    for (const test::ErrorExample& example : test::errorExamples()) {
        const int number = static_cast<int>(example.error);
        json += (json.back() == '[' ? "{" : ",{") + common(example.type, example.typed) +
                ",\"name\":" + quoted(example.name) + ",\"number\":" + std::to_string(number) +
                ",\"message\":" +
                quoted(korvala::form::content::runTimeErrorMessage(example.error).text) + "}";
    }
    json += "]}\n";
    return std::fputs(json.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
