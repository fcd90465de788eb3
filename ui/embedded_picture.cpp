#include "ui/embedded_picture.hpp"

#include <QImageReader>

namespace korvala::ui {

QPixmap embeddedPng(const QString& resourcePath) {
    QImageReader reader(resourcePath, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace korvala::ui
