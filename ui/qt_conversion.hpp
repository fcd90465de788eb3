// The window's description speaks UTF-8, RGB triples and twips; Qt speaks QString, QColor and
// pixels. One conversion for each that crosses over.
#pragma once

#include "form/content.hpp"
#include "form/layout.hpp"

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

namespace korvala::ui {

[[nodiscard]] inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

[[nodiscard]] inline QColor toQColor(form::content::Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

// At 96 dots per inch; Qt's high-DPI scaling takes it from there.
[[nodiscard]] inline QRect toQRect(const form::layout::TwipRect& twips) {
    const form::layout::PixelRect pixels = twips.pixels();
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

} // namespace korvala::ui
