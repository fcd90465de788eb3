#include "cli/line_reader.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

namespace korvala::cli {

namespace {

constexpr std::size_t kChunkSize = std::size_t{64} * 1024;

} // namespace

LineReader::LineReader(Source source, std::size_t longestLine)
    : source_(std::move(source)), longestLine_(longestLine), buffer_(kChunkSize) {}

bool LineReader::refill() {
    const std::optional<std::size_t> count = source_(buffer_);
    if (!count) {
        finished_ = Result::ReadFailed;
        return false;
    }
    begin_ = 0;
    end_ = std::min(*count, buffer_.size());
    if (end_ == 0) {
        finished_ = Result::End;
        return false;
    }
    return true;
}

LineReader::Result LineReader::next(std::string& line) {
    line.clear();
    if (finished_) {
        return *finished_;
    }
    bool tooLong = false;
    bool anyByte = false;
    for (;;) {
        if (begin_ == end_ && !refill()) {
            if (*finished_ == Result::End && anyByte) {
                return tooLong ? Result::TooLong : Result::Line;
            }
            line.clear();
            return *finished_;
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
            return tooLong ? Result::TooLong : Result::Line;
        }
    }
}

LineReader::Source memorySource(std::string_view text, std::size_t piece) {
    return [text, piece, offset = std::size_t{0}](std::span<char> buffer) mutable {
        const std::size_t count = std::min({piece, buffer.size(), text.size() - offset});
        std::memcpy(buffer.data(), text.data() + offset, count);
        offset += count;
        return std::optional<std::size_t>(count);
    };
}

} // namespace korvala::cli
