// The practice part's entry points, in a WebAssembly of its own that the page loads the first time
// it is wanted: a problem from its seed, the marking of an answer and a worksheet with its key.
// Each call answers once through korvala_practice_reply() with a JSON text; the problem is made
// again from its seed for every mark, which costs less than keeping it.
#include "calc/problem_type.hpp"
#include "form/practice.hpp"
#include "runtime/regional_settings.hpp"
#include "web/console.hpp"

#include <algorithm>
#include <cstdint>
#include <emscripten.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern "C" void korvala_practice_reply(const char* json);

namespace {

using korvala::calc::ProblemType;
using korvala::form::PracticeLevel;
using korvala::form::PracticeProblem;

korvala::runtime::NumberSettings settings() {
    static korvala::runtime::SettingsInUse inUse =
        korvala::runtime::usersSettingsInUse(korvala::web::writeToConsole);
    return inUse();
}

// A reply holds our texts alone, never the user's, and none of ours has a control character;
// they are escaped all the same, so that a reply is JSON whatever a text becomes.
std::string quoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (const auto code = static_cast<unsigned char>(c); code < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            json += "\\u00";
            json += kHex[code >> 4U];
            json += kHex[code & 0xFU];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

template <typename Items, typename Write> std::string listOf(const Items& items, Write write) {
    std::string json = "[";
    for (const auto& item : items) {
        json += (json.size() > 1 ? "," : "") + write(item);
    }
    return json + "]";
}

// An unknown level is the first; no pair chosen is every pair.
PracticeLevel levelOf(int level) {
    return level >= 2 && level <= 3 ? static_cast<PracticeLevel>(level)
                                    : PracticeLevel::WholeNumbers;
}

std::vector<ProblemType> pairsOf(int chosen) {
    std::vector<ProblemType> pairs;
    for (std::size_t i = 0; i < korvala::calc::kProblemTypeCount; ++i) {
        if (((static_cast<unsigned>(chosen) >> i) & 1U) != 0U) {
            pairs.push_back(static_cast<ProblemType>(i));
        }
    }
    return pairs;
}

PracticeProblem problemOf(std::uint32_t seed, int level, int pairs) {
    return korvala::form::practiceProblem(seed, levelOf(level), pairsOf(pairs), settings());
}

// `more`: further members, each after a comma.
std::string problemJson(const PracticeProblem& problem, std::string_view more = {}) {
    const auto asked = [&](const korvala::form::PracticeAnswer& answer) {
        return R"({"letter":)" + quoted(korvala::calc::letterOf(answer.symbol)) + R"(,"name":)" +
               quoted(korvala::form::answerBoxName(answer.symbol)) + R"(,"unit":)" +
               quoted(korvala::form::unitOf(answer.symbol, problem.unit)) + "}";
    };
    return R"({"seed":)" + std::to_string(problem.seed) + R"(,"level":)" +
           std::to_string(static_cast<int>(problem.level)) + R"(,"type":)" +
           std::to_string(static_cast<int>(problem.type)) + R"(,"statement":)" +
           quoted(problem.statement) + R"(,"given":)" + listOf(problem.given, quoted) +
           R"(,"asked":)" + listOf(problem.asked, asked) + std::string(more) + "}";
}

// The problem with its key: each answer's line and the working of the whole.
std::string keyedJson(const PracticeProblem& problem) {
    const std::optional<korvala::form::Answer> key = korvala::form::keyOf(problem, settings());
    const auto line = [&](const korvala::form::PracticeAnswer& answer) {
        return quoted(korvala::form::keyLineOf(answer, problem.unit));
    };
    return problemJson(problem,
                       R"(,"answers":)" + listOf(problem.asked, line) + R"(,"givenLine":)" +
                           quoted(key ? key->given : std::string()) + R"(,"working":)" +
                           listOf(key ? key->working : std::vector<std::string>{}, quoted));
}

} // namespace

extern "C" {

// `pairs`: a bit for each problem type, in the list's order; none for every pair.
EMSCRIPTEN_KEEPALIVE void korvala_practice_problem(std::uint32_t seed, int level, int pairs) {
    korvala_practice_reply(problemJson(problemOf(seed, level, pairs)).c_str());
}

// The answer typed (NUL-terminated UTF-8) for the asked quantity at `index` of a problem drawn
// from every pair, as the page poses them to practise on.
EMSCRIPTEN_KEEPALIVE void korvala_practice_mark(std::uint32_t seed, int level, int index,
                                                const char* typed) {
    const PracticeProblem problem = problemOf(seed, level, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= problem.asked.size() || typed == nullptr) {
        korvala_practice_reply("null");
        return;
    }
    const korvala::form::PracticeAnswer& asked = problem.asked.at(static_cast<std::size_t>(index));
    const korvala::form::Mark mark = korvala::form::markAnswer(problem, asked, typed, settings());
    korvala_practice_reply(
        (R"({"right":)" +
         std::string(mark.verdict == korvala::form::Verdict::Right ? "true" : "false") +
         R"(,"text":)" + quoted(korvala::form::markText(mark, asked.symbol)) + "}")
            .c_str());
}

// `count` problems from `seed` on, seed after seed, as korvala-calc --problems writes them.
EMSCRIPTEN_KEEPALIVE void korvala_practice_sheet(std::uint32_t seed, int count, int level,
                                                 int pairs) {
    std::vector<PracticeProblem> problems;
    problems.reserve(korvala::form::kMostProblemsAtOnce);
    for (int i = 0; i < std::min(count, korvala::form::kMostProblemsAtOnce); ++i) {
        problems.push_back(problemOf(seed + static_cast<std::uint32_t>(i), level, pairs));
    }
    korvala_practice_reply(listOf(problems, keyedJson).c_str());
}

} // extern "C"
