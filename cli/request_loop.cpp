#include "cli/request_loop.hpp"

#include "cli/request.hpp"
#include "cli/response.hpp"

#include <string>

namespace korvala::cli {

namespace {

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

tl::expected<Answered, StreamFailure> answerRequests(LineReader& requests, const AnswerSink& answer,
                                                     const runtime::NumberSettings& settings) {
    bool anyInvalid = false;
    for (std::size_t lineNumber = 1;; ++lineNumber) {
        tl::expected<std::string, LineReader::NoLine> line = requests.next();
        if (!line && line.error() == LineReader::NoLine::End) {
            return anyInvalid ? Answered::SomeInvalid : Answered::All;
        }
        if (!line && line.error() == LineReader::NoLine::ReadFailed) {
            return tl::make_unexpected(StreamFailure::Read);
        }
        if (line && !line->empty() && line->back() == '\r') {
            line->pop_back();
        }
        if (line && isBlankLine(*line)) {
            continue;
        }
        const auto request =
            line ? parseRequest(*line)
                 : tl::make_unexpected(InvalidRequest{"a request is longer than 1 MiB"});
        std::string reply;
        if (!request) {
            anyInvalid = true;
            reply = invalidLine(lineNumber, request.error().message);
        } else {
            const auto outcome = calc::calculate(request->input(), settings);
            reply = outcomeLine(outcome, settings);
        }
        if (const auto written = answer(reply); !written) {
            return tl::make_unexpected(written.error());
        }
    }
}

} // namespace korvala::cli
