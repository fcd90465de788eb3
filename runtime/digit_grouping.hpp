// Where the grouping symbol goes in a run of integer digits. Shared by the format, which places
// the symbols, and the parse, which accepts them only where the format would have placed them.
#pragma once

#include <cstddef>
#include <vector>

namespace korvala::runtime {

struct GroupLayout {
    std::size_t leadingGroup = 0; // digits before the first grouping symbol
    std::size_t groupsAfter = 0;  // groups that follow it, each after one symbol
};

// Size of the group at position `fromRight` (0 is the group next to the decimal symbol).
// sizes is not empty.
[[nodiscard]] std::size_t groupSizeAt(const std::vector<int>& sizes, std::size_t fromRight);

// How `digitCount` digits are grouped. With no sizes the digits form one group. When the last
// size does not repeat, the digits left of the listed groups form one group.
[[nodiscard]] GroupLayout layoutOf(std::size_t digitCount, const std::vector<int>& sizes,
                                   bool lastRepeats);

} // namespace korvala::runtime
