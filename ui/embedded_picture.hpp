// The window's pictures, embedded in the program as PNG.
#pragma once

#include <QPixmap>
#include <QString>

namespace korvala::ui {

// Reads an embedded PNG with Qt's own reader. Asking for the format alone keeps Qt from
// loading every image plugin to ask whether it would rather read the file, which costs the
// start-up about a millisecond and libjpeg, the SVG module and their memory. A null pixmap if
// the resource is missing or damaged.
[[nodiscard]] QPixmap embeddedPng(const QString& resourcePath);

} // namespace korvala::ui
