#include "cli/line_reader.hpp"

#include <algorithm>
#include <utility>

namespace korvala::cli {

namespace {

constexpr std::size_t kChunkSize = std::size_t{64} * 1024;

tl::expected<std::string, LineReader::NoLine> lineRead(std::string line, bool tooLong) {
    if (tooLong) {
        return tl::make_unexpected(LineReader::NoLine::TooLong);
    }
    return line;
}

} // namespace

LineReader::LineReader(Source source, std::size_t longestLine)
    : source_(std::move(source)), longestLine_(longestLine), buffer_(kChunkSize) {}

tl::expected<void, LineReader::NoLine> LineReader::refill() {
    const tl::expected<std::size_t, NoLine> count = source_(buffer_);
    if (!count) {
        return tl::make_unexpected(count.error());
    }
    begin_ = 0;
    end_ = std::min(*count, buffer_.size());
    // A source that hands out nothing has nothing more to hand out.
    if (end_ == 0) {
        return tl::make_unexpected(NoLine::End);
    }
    return {};
}

tl::expected<std::string, LineReader::NoLine> LineReader::next() {
    if (finished_) {
        return tl::make_unexpected(*finished_);
    }
    std::string line;
    bool tooLong = false;
    bool anyByte = false;
    for (;;) {
        if (begin_ == end_) {
            if (const tl::expected<void, NoLine> refilled = refill(); !refilled) {
                finished_ = refilled.error();
                if (*finished_ == NoLine::End && anyByte) {
                    return lineRead(std::move(line), tooLong);
                }
                return tl::make_unexpected(*finished_);
            }
        }
        anyByte = true;
        const auto first = buffer_.begin() + static_cast<std::ptrdiff_t>(begin_);
        const auto last = buffer_.begin() + static_cast<std::ptrdiff_t>(end_);
        const auto newline = std::find(first, last, '\n');
        const auto length = static_cast<std::size_t>(newline - first);
        if (!tooLong && line.size() + length > longestLine_) {
            tooLong = true;
            line.clear();
            line.shrink_to_fit();
        }
        if (!tooLong) {
            line.append(first, newline);
        }
        begin_ += length;
        if (newline != last) {
            ++begin_;
            return lineRead(std::move(line), tooLong);
        }
    }
}

} // namespace korvala::cli
