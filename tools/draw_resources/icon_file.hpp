// Writes a 32 x 32 image as an icon file: one image, 8 bits per pixel with a 256-colour
// palette, and a 1-bit transparency mask (pixels under half opacity are transparent).
#pragma once

#include <QByteArray>
#include <QImage>

namespace korvala::tools {

[[nodiscard]] QByteArray iconFile(const QImage& image);

} // namespace korvala::tools
