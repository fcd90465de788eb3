// The request/answer loop of korvala-calc: each request line is answered with one JSON line
// as soon as it is read. Blank lines are skipped and a CR before the line end is dropped, so
// CR LF input works; line numbers in `invalid` answers count every line, blank ones included.
// The loop stops at the end of the input, at the first failed read, or at the first failed
// write (nothing more is computed for a reader that has gone).
#pragma once

#include "cli/line_reader.hpp"
#include "runtime/number_settings.hpp"

#include <functional>
#include <string_view>
#include <tl/expected.hpp>

namespace korvala::cli {

// The input read to its end, every line answered: whether some were answered as invalid.
enum class Answered { All, SomeInvalid };
// The stream that failed and stopped the loop.
enum class StreamFailure { Read, Write };

// Writes one answer line (without its line end), or says that the write failed.
using AnswerSink = std::function<tl::expected<void, StreamFailure>(std::string_view answer)>;

[[nodiscard]] tl::expected<Answered, StreamFailure>
answerRequests(LineReader& requests, const AnswerSink& answer,
               const runtime::NumberSettings& settings);

} // namespace korvala::cli
