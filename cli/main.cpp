// korvala-calc: the cylinder calculation for scripts. Reads JSON Lines requests on standard
// input and answers each on standard output as soon as it is read.
#include "cli/line_reader.hpp"
#include "cli/options.hpp"
#include "cli/problems.hpp"
#include "cli/request_loop.hpp"
#include "runtime/regional_settings.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum ExitStatus : int {
    kAllAnswered = 0,
    kSomeInvalid = 1,
    kUsageError = 2,
    kStreamFailed = 3,
};

void complain(std::string_view what) {
    const std::string message = "korvala-calc: " + std::string(what) + "\n";
    (void)std::fputs(message.c_str(), stderr);
}

// The regional settings' warning, as the runtime words it.
void writeWarning(std::string_view warning) {
    (void)std::fwrite(warning.data(), 1, warning.size(), stderr);
}

int streamFailure(std::string_view what, int error) {
    complain(std::string(what) + ": " + std::strerror(error)); // NOLINT(concurrency-mt-unsafe)
    return kStreamFailed;
}

tl::expected<void, korvala::cli::StreamFailure> writeOut(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
        std::fflush(stdout) == 0) {
        return {};
    }
    return tl::make_unexpected(korvala::cli::StreamFailure::Write);
}

// Standard input as the line reader wants it: what has arrived, up to the end of a line, so
// that each request is answered before the next one is waited for.
tl::expected<std::size_t, korvala::cli::LineReader::NoLine>
readStandardInput(std::span<char> buffer) {
    std::size_t count = 0;
    while (count < buffer.size()) {
        const int c = std::getc(stdin);
        if (c == EOF) {
            break;
        }
        buffer[count++] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    if (count == 0) {
        using NoLine = korvala::cli::LineReader::NoLine;
        return tl::make_unexpected(std::ferror(stdin) != 0 ? NoLine::ReadFailed : NoLine::End);
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    using namespace korvala;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = cli::parseOptions(arguments);
    if (!parsed) {
        complain(parsed.error().message + "\n\n" + std::string(cli::usageText()));
        return kUsageError;
    }
    const cli::Options& options = *parsed;
    if (options.help || options.version) {
        const std::string text =
            options.help ? std::string(cli::usageText()) : "korvala-calc " KORVALA_VERSION "\n";
        return writeOut(text) ? kAllAnswered : streamFailure("cannot write", errno);
    }
    // Read once: the answers of one run all follow the same settings.
    const runtime::NumberSettings settings =
        options.settings ? *options.settings : runtime::usersSettingsInUse(writeWarning)();
    const auto answer = [](std::string_view line) { return writeOut(std::string(line) + '\n'); };
    if (options.problems) {
        return cli::writeProblems(*options.problems, settings, answer)
                   ? kAllAnswered
                   : streamFailure("cannot write the problems", errno);
    }
    cli::LineReader requests(readStandardInput, cli::kLongestRequestLine);
    const auto answered = cli::answerRequests(requests, answer, settings);
    if (answered) {
        return *answered == cli::Answered::All ? kAllAnswered : kSomeInvalid;
    }
    return streamFailure(answered.error() == cli::StreamFailure::Read ? "cannot read the requests"
                                                                      : "cannot write the answers",
                         errno);
}
