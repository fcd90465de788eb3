#include "runtime/digit_grouping.hpp"

#include <algorithm>

namespace korvala::runtime {

std::size_t groupSizeAt(const std::vector<int>& sizes, std::size_t fromRight) {
    const std::size_t index = std::min(fromRight, sizes.size() - 1);
    return static_cast<std::size_t>(std::max(sizes[index], 1));
}

GroupLayout layoutOf(std::size_t digitCount, const std::vector<int>& sizes, bool lastRepeats) {
    GroupLayout layout{digitCount, 0};
    if (sizes.empty()) {
        return layout;
    }
    while (layout.leadingGroup > groupSizeAt(sizes, layout.groupsAfter) &&
           (lastRepeats || layout.groupsAfter < sizes.size())) {
        layout.leadingGroup -= groupSizeAt(sizes, layout.groupsAfter);
        ++layout.groupsAfter;
    }
    return layout;
}

} // namespace korvala::runtime
