// korvala-calc's request/answer loop on any input, arriving in pieces of any size: every answer
// is one line of valid JSON, every line that is not blank gets exactly one answer, and an
// invalid line's answer names its own line number.
#include "cli/line_reader.hpp"
#include "cli/request_loop.hpp"
#include "memory_source.hpp"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

// Short enough that the fuzzer reaches it often.
constexpr std::size_t kLongestLine = 200;

// The line numbers that must be answered, from the input alone.
std::vector<std::size_t> answeredLines(std::string_view input) {
    std::vector<std::size_t> lines;
    std::size_t number = 1;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        if (line.size() > kLongestLine || line.find_first_not_of(" \t\r") != std::string::npos) {
            lines.push_back(number);
        }
        input.remove_prefix(std::min(end + 1, input.size()));
        ++number;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    FuzzedDataProvider data(bytes, size);
    const auto piece = data.ConsumeIntegralInRange<std::size_t>(1, 300);
    const std::string input = data.ConsumeRemainingBytesAsString();
    cli::LineReader reader(test::memorySource(input, piece), kLongestLine);
    std::vector<std::string> answers;
    const auto end = cli::answerRequests(
        reader,
        [&answers](std::string_view answer) -> tl::expected<void, cli::StreamFailure> {
            answers.emplace_back(answer);
            return {};
        },
        runtime::posixNumberSettings());
    const std::vector<std::size_t> expected = answeredLines(input);
    if (!end || answers.size() != expected.size()) {
        std::abort();
    }
    bool anyInvalid = false;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (answers[i].find('\n') != std::string::npos) {
            std::abort();
        }
        const auto answer = nlohmann::json::parse(answers[i], nullptr, false);
        if (answer.is_discarded() || !answer.is_object() || !answer.contains("outcome")) {
            std::abort();
        }
        if (answer["outcome"] == "invalid") {
            anyInvalid = true;
            if (answer["line"] != expected[i]) {
                std::abort();
            }
        }
    }
    if ((*end == cli::Answered::SomeInvalid) != anyInvalid) {
        std::abort();
    }
    return 0;
}
