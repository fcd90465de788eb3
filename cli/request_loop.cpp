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

LoopEnd answerRequests(LineReader& requests, const AnswerSink& answer,
                       const runtime::NumberSettings& settings) {
    bool anyInvalid = false;
    std::string line;
    for (std::size_t lineNumber = 1;; ++lineNumber) {
        const LineReader::Result read = requests.next(line);
        if (read == LineReader::Result::End) {
            return anyInvalid ? LoopEnd::SomeInvalid : LoopEnd::AllAnswered;
        }
        if (read == LineReader::Result::ReadFailed) {
            return LoopEnd::ReadFailed;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (read == LineReader::Result::Line && isBlankLine(line)) {
            continue;
        }
        const auto request = read == LineReader::Result::TooLong
                                 ? std::variant<Request, InvalidRequest>(
                                       InvalidRequest{"a request is longer than 1 MiB"})
                                 : parseRequest(line);
        std::string reply;
        if (const auto* invalid = std::get_if<InvalidRequest>(&request)) {
            anyInvalid = true;
            reply = invalidLine(lineNumber, invalid->message);
        } else {
            const auto outcome = calc::calculate(std::get<Request>(request).input(), settings);
            reply = outcomeLine(outcome, settings);
        }
        if (!answer(reply)) {
            return LoopEnd::WriteFailed;
        }
    }
}

} // namespace korvala::cli
