// korvala-calc as a process: its answers, its exit statuses, and what it does when its streams
// fail. Each case is a bash script in which $CLI is the program and $IN a file of requests from
// the shared tables.
#include "cli_requests.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace korvala::cli {
namespace {

struct ProcessCase {
    const char* name;
    const char* script;
    int status;
    const char* output; // nullptr: not compared
    const char* complaint;
};

void PrintTo(const ProcessCase& c, std::ostream* os) {
    *os << c.name;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

class CalcProcess : public testing::TestWithParam<ProcessCase> {};

TEST_P(CalcProcess, EndsWithItsStatus) {
    // CTest runs cases side by side: each has files of its own.
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("korvala-" + std::string(GetParam().name));
    std::filesystem::create_directories(folder);
    const std::filesystem::path in = folder / "requests.jsonl";
    const std::filesystem::path script = folder / "case.sh";
    const std::filesystem::path out = folder / "answers.jsonl";
    const std::filesystem::path err = folder / "complaints.txt";
    std::ofstream(in, std::ios::binary) << test::tableSession().input;
    std::ofstream(script) << GetParam().script << '\n';
    const std::string command = "CLI=" + quoted(KORVALA_CALC) + " IN=" + quoted(in.string()) +
                                " bash " + quoted(script.string()) + " > " + quoted(out.string()) +
                                " 2> " + quoted(err.string());
    const int raw = std::system(command.c_str()); // NOLINT(cert-env33-c,concurrency-mt-unsafe)
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), GetParam().status) << fileText(err);
    if (GetParam().output != nullptr) {
        const std::string expected = std::string(GetParam().output) == "tables"
                                         ? test::tableSession().output
                                         : GetParam().output;
        EXPECT_EQ(fileText(out), expected);
    }
    EXPECT_NE(fileText(err).find(GetParam().complaint), std::string::npos) << fileText(err);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, CalcProcess,
    testing::Values(
        ProcessCase{"AnswersTheTables", R"("$CLI" --decimal . < "$IN")", 1, "tables", ""},
        ProcessCase{"UsesTheRegionalSettings", R"(LC_ALL=C "$CLI" < "$IN")", 1, "tables", ""},
        ProcessCase{"Version", R"("$CLI" --version < /dev/null)", 0, "korvala-calc 1.0.0\n", ""},
        ProcessCase{"AmbiguousSettingsBeforeAnyLine", R"("$CLI" --decimal= < "$IN")", 2, "",
                    "decimal symbol is empty"},
        ProcessCase{"SameSymbols", R"("$CLI" --decimal , --group , < "$IN")", 2, "",
                    "cannot be told apart"},
        ProcessCase{"FullDisk", R"("$CLI" < "$IN" > /dev/full)", 3, nullptr,
                    "cannot write the answers"},
        ProcessCase{"HelpToAFullDisk", R"("$CLI" --help > /dev/full)", 3, nullptr, "cannot write"},
        ProcessCase{"ClosedOutput", R"("$CLI" < "$IN" >&-)", 3, nullptr,
                    "cannot write the answers"},
        ProcessCase{"InputIsAFolder", R"("$CLI" < /)", 3, "", "cannot read the requests"},
        ProcessCase{"ClosedInput", R"("$CLI" <&-)", 3, "", "cannot read the requests"},
        ProcessCase{"ReaderHasGone",
                    R"(trap '' PIPE; line=$(head -n 1 "$IN");
                       yes "$line" | head -n 1000000 | "$CLI" | head -n 1 > /dev/null;
                       exit "${PIPESTATUS[2]}")",
                    3, "", "Broken pipe"}),
    [](const testing::TestParamInfo<ProcessCase>& info) { return info.param.name; });

} // namespace
} // namespace korvala::cli
