// The core speaks UTF-8; Qt speaks QString. One conversion for every text that crosses over.
#pragma once

#include <QString>
#include <string_view>

namespace korvala::ui {

[[nodiscard]] inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace korvala::ui
