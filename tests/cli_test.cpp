#include "cli/line_reader.hpp"
#include "cli/options.hpp"
#include "cli/problems.hpp"
#include "cli/request.hpp"
#include "cli/request_loop.hpp"
#include "cli/response.hpp"
#include "cli_requests.hpp"
#include "memory_source.hpp"
#include "settings_matrix.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace korvala::cli {
namespace {

using namespace std::string_view_literals;

struct RequestCase {
    const char* name;
    std::string_view line;
    const char* error; // empty when the line is a valid request
};

void PrintTo(const RequestCase& c, std::ostream* os) {
    *os << c.name;
}

class RequestLine : public testing::TestWithParam<RequestCase> {};

TEST_P(RequestLine, IsReadOrRejectedWithAReason) {
    const auto parsed = parseRequest(GetParam().line);
    if (std::string(GetParam().error).empty()) {
        EXPECT_TRUE(parsed.has_value());
    } else {
        ASSERT_FALSE(parsed.has_value());
        EXPECT_NE(parsed.error().message.find(GetParam().error), std::string::npos)
            << parsed.error().message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Validation, RequestLine,
    testing::Values(
        RequestCase{"Valid",
                    R"({"type": 8, "texts": ["", "", "", "10", "10"], "checks": [0,0,0,1,1]})", ""},
        RequestCase{"ForeignMember",
                    R"({"type": 0, "texts": ["1","1","","",""], "checks": [1,1,0,0,0], "note": 1})",
                    "no members but"},
        RequestCase{"MemberTwice",
                    R"({"type": 0, "texts": ["1","1","","",""], "checks": [1,1,0,0,0], "type": 1})",
                    "twice"},
        RequestCase{"EscapedNul",
                    R"({"type": 0, "texts": ["1\u0000","1","","",""], "checks": [1,1,0,0,0]})",
                    "NUL"},
        RequestCase{"RawNul",
                    "{\"type\": 0, \"texts\": [\"1\0\",\"1\",\"\",\"\",\"\"], "
                    "\"checks\": [1,1,0,0,0]}"sv,
                    "NUL"},
        RequestCase{"NotJson", "{type: 0}", "not valid JSON"},
        RequestCase{"TruncatedJson", R"({"type": 0, "texts": [)", "not valid JSON"},
        RequestCase{
            "InvalidUtf8",
            "{\"type\": 0, \"texts\": [\"\xFF\",\"\",\"\",\"\",\"\"], \"checks\": [0,0,0,0,0]}",
            "not valid JSON"},
        RequestCase{"NotAnObject", "[1, 2]", "JSON object"},
        RequestCase{"TypeMissing", R"({"texts": ["","","","",""], "checks": [0,0,0,0,0]})",
                    "\"type\""},
        RequestCase{"TypeTooLarge",
                    R"({"type": 9, "texts": ["","","","",""], "checks": [0,0,0,0,0]})", "\"type\""},
        RequestCase{"TypeNegative",
                    R"({"type": -1, "texts": ["","","","",""], "checks": [0,0,0,0,0]})",
                    "\"type\""},
        RequestCase{
            "TypeHuge",
            R"({"type": 18446744073709551615, "texts": ["","","","",""], "checks": [0,0,0,0,0]})",
            "\"type\""},
        RequestCase{"TypeFraction",
                    R"({"type": 1.5, "texts": ["","","","",""], "checks": [0,0,0,0,0]})",
                    "\"type\""},
        RequestCase{"TypeString",
                    R"({"type": "0", "texts": ["","","","",""], "checks": [0,0,0,0,0]})",
                    "\"type\""},
        RequestCase{"FourTexts", R"({"type": 0, "texts": ["","","",""], "checks": [0,0,0,0,0]})",
                    "\"texts\""},
        RequestCase{"TextNotString",
                    R"({"type": 0, "texts": ["",1,"","",""], "checks": [0,0,0,0,0]})", "\"texts\""},
        RequestCase{"ChecksMissing", R"({"type": 0, "texts": ["","","","",""]})", "\"checks\""},
        RequestCase{"CheckTwo", R"({"type": 0, "texts": ["","","","",""], "checks": [0,2,0,0,0]})",
                    "\"checks\""},
        RequestCase{"CheckBoolean",
                    R"({"type": 0, "texts": ["","","","",""], "checks": [true,0,0,0,0]})",
                    "\"checks\""}),
    [](const testing::TestParamInfo<RequestCase>& info) { return info.param.name; });

TEST(RequestLine, KeepsTextsAndChecksInQuantityOrder) {
    const auto parsed =
        parseRequest(R"({"type": 7, "texts": ["a","b","5","10","e"], "checks": [0,0,1,1,0]})");
    ASSERT_TRUE(parsed);
    const calc::CalculationInput input = parsed->input();
    EXPECT_EQ(input.type, calc::ProblemType::DS);
    EXPECT_EQ(input.texts[2], "5");
    EXPECT_EQ(input.texts[4], "e");
    EXPECT_EQ(input.checks, (std::array<bool, 5>{false, false, true, true, false}));
}

struct OptionsCase {
    const char* name;
    std::vector<std::string_view> arguments;
    bool accepted;
    std::optional<runtime::NumberSettings> settings;
};

void PrintTo(const OptionsCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLine : public testing::TestWithParam<OptionsCase> {};

TEST_P(CommandLine, SetsTheNumberSettings) {
    const auto parsed = parseOptions(GetParam().arguments);
    ASSERT_EQ(parsed.has_value(), GetParam().accepted)
        << (parsed ? std::string() : parsed.error().message);
    if (parsed) {
        EXPECT_EQ(parsed->settings, GetParam().settings);
    } else {
        EXPECT_FALSE(parsed.error().message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    testing::Values(
        OptionsCase{"NoneMeansRegional", {}, true, std::nullopt},
        OptionsCase{"DecimalOnly", {"--decimal", ","}, true, test::makeSettings(",", "", {})},
        OptionsCase{
            "GroupDefaultsToThrees", {"--group", ","}, true, test::makeSettings(".", ",", {3})},
        OptionsCase{"GroupingAfterGroup",
                    {"--group=,", "--grouping=3;2"},
                    true,
                    test::makeSettings(".", ",", {3, 2})},
        OptionsCase{"GroupingBeforeGroup",
                    {"--grouping", "3;2", "--group", ","},
                    true,
                    test::makeSettings(".", ",", {3, 2})},
        OptionsCase{"NoGrouping",
                    {"--group", ",", "--grouping", "none"},
                    true,
                    test::makeSettings(".", ",", {})},
        OptionsCase{
            "NoLeadingZero", {"--no-leading-zero"}, true, test::makeSettings(".", "", {}, false)},
        OptionsCase{
            "NegativeForm",
            {"--negative-form", "4"},
            true,
            test::makeSettings(".", "", {}, true, runtime::NegativeForm::TrailingMinusBlank)},
        OptionsCase{"NegativeFormOutOfRange", {"--negative-form", "5"}, false, std::nullopt},
        OptionsCase{"NegativeFormNotANumber", {"--negative-form", "-1"}, false, std::nullopt},
        OptionsCase{"BadGrouping", {"--grouping", "3,2"}, false, std::nullopt},
        OptionsCase{"MissingValue", {"--decimal"}, false, std::nullopt},
        OptionsCase{"UnknownOption", {"--locale", "bg"}, false, std::nullopt},
        OptionsCase{"EmptyDecimal", {"--decimal="}, false, std::nullopt},
        OptionsCase{"EmptyGroup", {"--group", ""}, false, std::nullopt},
        OptionsCase{"DecimalEqualsGroup", {"--decimal", ",", "--group", ","}, false, std::nullopt},
        OptionsCase{"DigitAsDecimal", {"--decimal", "5"}, false, std::nullopt}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

struct ProblemsCase {
    std::vector<std::string_view> arguments;
    std::optional<ProblemsWanted> wanted; // nothing: refused
};

TEST(CommandLine, AsksForProblemsWithinTheirLimits) {
    const ProblemsCase cases[] = {
        {{"--problems", "3"}, ProblemsWanted{3, 1, 1}},
        {{"--problems=20", "--seed", "4294967295", "--level", "3"},
         ProblemsWanted{20, 4294967295U, 3}},
        {{"--level", "2", "--problems", "1", "--seed=0"}, ProblemsWanted{1, 0, 2}},
        {{"--problems", "0"}, std::nullopt},
        {{"--problems", "21"}, std::nullopt},
        {{"--problems", "2", "--seed", "4294967296"}, std::nullopt},
        {{"--problems", "2", "--level", "4"}, std::nullopt},
        {{"--problems", "-1"}, std::nullopt},
        {{"--seed", "5"}, std::nullopt},
        {{"--problems"}, std::nullopt},
    };
    for (const ProblemsCase& c : cases) {
        const auto parsed = parseOptions(c.arguments);
        ASSERT_EQ(parsed.has_value(), c.wanted.has_value()) << c.arguments.front();
        if (parsed) {
            ASSERT_TRUE(parsed->problems);
            EXPECT_EQ(parsed->problems->count, c.wanted->count);
            EXPECT_EQ(parsed->problems->seed, c.wanted->seed);
            EXPECT_EQ(parsed->problems->level, c.wanted->level);
        }
    }
}

// Each line carries its problem whole, answers for every asked letter; a failed write stops.
TEST(Problems, AreWrittenALineEachUntilAWriteFails) {
    std::vector<nlohmann::json> lines;
    const auto written =
        writeProblems({3, 4294967294U, 3}, runtime::posixNumberSettings(),
                      [&lines](std::string_view line) -> tl::expected<void, StreamFailure> {
                          lines.push_back(nlohmann::json::parse(line));
                          return {};
                      });
    ASSERT_TRUE(written);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[2]["seed"], 0U);
    for (const nlohmann::json& line : lines) {
        EXPECT_EQ(line["given"].size(), 5U);
        EXPECT_FALSE(line["statement"].get<std::string>().empty());
        for (const auto& letter : line["asked"]) {
            EXPECT_FALSE(
                line["answers"][letter.get<std::string>()]["exact"].get<std::string>().empty());
        }
    }
    int writes = 0;
    const auto failed =
        writeProblems({5, 1, 1}, runtime::posixNumberSettings(),
                      [&writes](std::string_view /*line*/) -> tl::expected<void, StreamFailure> {
                          ++writes;
                          return tl::make_unexpected(StreamFailure::Write);
                      });
    EXPECT_EQ(failed, tl::make_unexpected(StreamFailure::Write));
    EXPECT_EQ(writes, 1);
}

TEST(ResponseLine, HasOneShapePerOutcome) {
    const auto settings = runtime::posixNumberSettings();
    EXPECT_EQ(outcomeLine(calc::Declined{}, settings), R"({"outcome":"declined"})");
    EXPECT_EQ(outcomeLine(calc::Failed{runtime::ErrorNumber::DivisionByZero}, settings),
              R"({"outcome":"error","number":11,"message":"Деление на нула"})");
    calc::Completed completed;
    completed.values = {31415926.5358979, 1, 2, 3, 4};
    completed.texts = {"31415926.5358979", "1.0000000", "2.0000000", "3.0000000", "4.0000000"};
    completed.exact = {"10000000π", "1", "2", std::nullopt, "4"};
    completed.base = calc::Surface{5, "5.0000000", std::nullopt};
    completed.steps = {{calc::Symbol::T, "T = 1"}, {calc::Symbol::R, "R = 2"}};
    EXPECT_EQ(
        outcomeLine(completed, settings),
        R"({"outcome":"completed","texts":["31415926.5358979","1.0000000","2.0000000",)"
        R"("3.0000000","4.0000000"],"shown":["3.142E7","1.00000","2.00000","3.00000",)"
        R"("4.00000"],"exact":["10000000π","1","2",null,"4"],)"
        R"("base":{"text":"5.0000000","exact":null},"total":null,"steps":["T = 1","R = 2"]})");
    EXPECT_EQ(invalidLine(3, "not valid JSON"),
              R"({"outcome":"invalid","line":3,"message":"not valid JSON"})");
}

// A regional symbol that is not UTF-8 is replaced in the answer, which stays valid JSON.
TEST(ResponseLine, SymbolsThatAreNotUtf8AreReplaced) {
    runtime::NumberSettings settings;
    settings.decimalSymbol = "\xFF";
    calc::Completed completed;
    completed.values = {1, 1, 1, 1, 1};
    completed.texts = {"1\xFF", "", "", "", ""};
    const std::string line = outcomeLine(completed, settings);
    EXPECT_TRUE(nlohmann::json::accept(line)) << line;
    EXPECT_NE(line.find("1\xEF\xBF\xBD"), std::string::npos) << line;
}

// The input in pieces of at most `piece` bytes; then a failed read if `failAtEnd`.
LineReader::Source testSource(std::string_view input, std::size_t piece, bool failAtEnd) {
    return [source = test::memorySource(input, piece),
            failAtEnd](std::span<char> buffer) -> tl::expected<std::size_t, LineReader::NoLine> {
        const tl::expected<std::size_t, LineReader::NoLine> count = source(buffer);
        if (!count && failAtEnd) {
            return tl::make_unexpected(LineReader::NoLine::ReadFailed);
        }
        return count;
    };
}

using NoLine = LineReader::NoLine;
using Read = tl::expected<std::string, NoLine>;

Read none(NoLine why) {
    return tl::make_unexpected(why);
}

struct ReaderCase {
    const char* name;
    std::string input;
    bool failAtEnd;
    std::vector<Read> lines;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

class LineReading : public testing::TestWithParam<ReaderCase> {};

TEST_P(LineReading, GivesLinesTheSameWhateverPiecesTheInputComesIn) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
        LineReader reader(testSource(GetParam().input, piece, GetParam().failAtEnd), 8);
        std::vector<Read> lines{reader.next()};
        while (lines.back() || lines.back().error() == NoLine::TooLong) {
            lines.push_back(reader.next());
        }
        EXPECT_EQ(lines, GetParam().lines) << "pieces of " << piece;
        EXPECT_EQ(reader.next(), lines.back()) << "the end is final";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineReading,
    testing::Values(
        ReaderCase{"Empty", "", false, {none(NoLine::End)}},
        ReaderCase{"LastLineWithoutEnd",
                   "ab\n\ncd",
                   false,
                   {Read("ab"), Read(""), Read("cd"), none(NoLine::End)}},
        ReaderCase{"LongestLineKept", "12345678\n", false, {Read("12345678"), none(NoLine::End)}},
        ReaderCase{"LongerLineDroppedAndReadingGoesOn",
                   "123456789abc\nok\n123456789",
                   false,
                   {none(NoLine::TooLong), Read("ok"), none(NoLine::TooLong), none(NoLine::End)}},
        ReaderCase{"FailedReadEndsIt", "ok\npart", true, {Read("ok"), none(NoLine::ReadFailed)}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

// The shared tables through the request loop, with blank and invalid lines between them.
TEST(RequestLoop, AnswersEveryLineInOrderWithItsLineNumber) {
    const test::ExpectedSession session = test::tableSession();
    LineReader reader(test::memorySource(session.input, 5), kLongestRequestLine);
    std::string output;
    const auto end = answerRequests(
        reader,
        [&output](std::string_view answer) -> tl::expected<void, StreamFailure> {
            output.append(answer).push_back('\n');
            return {};
        },
        runtime::posixNumberSettings());
    EXPECT_EQ(end, Answered::SomeInvalid);
    EXPECT_EQ(output, session.output);
}

TEST(RequestLoop, StopsAtTheFirstFailedWrite) {
    const test::ExpectedSession session = test::tableSession();
    LineReader reader(test::memorySource(session.input, 64), kLongestRequestLine);
    int writes = 0;
    const auto end = answerRequests(
        reader,
        [&writes](std::string_view /*answer*/) -> tl::expected<void, StreamFailure> {
            if (++writes < 2) {
                return {};
            }
            return tl::make_unexpected(StreamFailure::Write);
        },
        runtime::posixNumberSettings());
    EXPECT_EQ(end, tl::make_unexpected(StreamFailure::Write));
    EXPECT_EQ(writes, 2);
}

} // namespace
} // namespace korvala::cli
