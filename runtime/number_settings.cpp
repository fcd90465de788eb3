#include "runtime/number_settings.hpp"

#include <algorithm>
#include <utility>

namespace korvala::runtime {

namespace {

// Larger groups than this are not a real regional setting, only a way to make text huge.
constexpr int kLargestGroup = 9;

} // namespace

bool parseGroupSizes(std::string_view text, std::vector<int>& sizes) {
    if (text.empty() || text == "none") {
        sizes.clear();
        return true;
    }
    std::vector<int> parsed;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(';', pos), text.size());
        const std::string_view field = text.substr(pos, end - pos);
        if (field.size() != 1 || field[0] < '0' || field[0] > '0' + kLargestGroup) {
            return false;
        }
        parsed.push_back(field[0] - '0');
        pos = end + 1;
    }
    if (!parsed.empty() && parsed.back() == 0) {
        parsed.pop_back();
    }
    for (const int size : parsed) {
        if (size == 0) {
            return false;
        }
    }
    sizes = std::move(parsed);
    return true;
}

} // namespace korvala::runtime
