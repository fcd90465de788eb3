// Reading requests a line at a time, holding at most a bounded part of any line.
//
// The source fills a buffer with what it has and returns how many bytes it put there, at least
// one (fewer than asked is fine, so a line can be answered as soon as it arrives), or says that
// the input has ended (End) or that reading failed (ReadFailed). Lines end at '\n', which is not
// part of the line; the last line needs none. A line longer than `longestLine` bytes is reported as
// too long without being kept: its bytes are read and dropped up to its end, and reading goes on
// with the next line.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <tl/expected.hpp>
#include <vector>

namespace korvala::cli {

// Far more than any request needs (five short texts), yet little memory.
inline constexpr std::size_t kLongestRequestLine = std::size_t{1} << 20;

class LineReader {
public:
    // Why there is no next line.
    enum class NoLine { TooLong, End, ReadFailed };

    using Source = std::function<tl::expected<std::size_t, NoLine>(std::span<char> buffer)>;

    LineReader(Source source, std::size_t longestLine);

    // The next line, or why there is none. After End or ReadFailed every call gives the same.
    tl::expected<std::string, NoLine> next();

private:
    // Fresh bytes in the buffer, or why there are none.
    tl::expected<void, NoLine> refill();

    Source source_;
    std::size_t longestLine_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::optional<NoLine> finished_;
};

} // namespace korvala::cli
