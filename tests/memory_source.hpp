// A line reader's source over text in memory that hands it out at most `piece` bytes at a time,
// as a pipe might, and then says the input has ended; the text must outlive the source.
#pragma once

#include "cli/line_reader.hpp"

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>

namespace korvala::test {

inline cli::LineReader::Source memorySource(std::string_view text, std::size_t piece) {
    return
        [text, piece, offset = std::size_t{0}](
            std::span<char> buffer) mutable -> tl::expected<std::size_t, cli::LineReader::NoLine> {
            const std::size_t count = std::min({piece, buffer.size(), text.size() - offset});
            if (count == 0) {
                return tl::make_unexpected(cli::LineReader::NoLine::End);
            }
            std::memcpy(buffer.data(), text.data() + offset, count);
            offset += count;
            return count;
        };
}

} // namespace korvala::test
