// Draws the program's pictures: the cylinder drawing (baseline JPEG, 137 x 169, 96 dpi), the
// hamburger icon of the window (32 x 32, 256 colours with a transparency mask, as an .ico and a
// .png), the same hamburger for the desktop's icon theme (icons/korvala-SIZE.png, smoothed, and
// icons/korvala.svg), and the page's own (web/): the drawing at twice its pixels, the app's
// large icons, its maskable icon and iOS's home-screen icon, these two opaque.
// Usage: korvala-draw-resources OUTPUT_FOLDER
#include "icon_file.hpp"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780; // 96 dots per inch
constexpr int kJpegQuality = 90;

QFont letterFont() {
    QFont font("Times New Roman");
    font.setPixelSize(15);
    return font;
}

// scale: 1 for the window's drawing, 2 for a sharp screen's.
QImage drawCylinder(int scale) {
    QImage image(137 * scale, 169 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi * scale);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi * scale);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QPen solid(Qt::black, 1.5);
    QPen dashed(Qt::black, 1.2, Qt::DashLine);
    dashed.setDashPattern({4, 3});

    const QRectF top(14, 10, 100, 26);
    const QRectF base(14, 124, 100, 30);
    const double topMiddle = top.center().y();
    const double baseMiddle = base.center().y();

    painter.setPen(solid);
    painter.drawEllipse(top);
    painter.drawLine(QPointF(top.left(), topMiddle), QPointF(base.left(), baseMiddle));
    painter.drawLine(QPointF(top.right(), topMiddle), QPointF(base.right(), baseMiddle));
    // The front half of the base, towards the viewer, is solid; the back half is hidden.
    painter.drawArc(base, 180 * 16, 180 * 16);
    painter.setPen(dashed);
    painter.drawArc(base, 0, 180 * 16);
    painter.drawLine(QPointF(base.left(), baseMiddle), QPointF(base.right(), baseMiddle));
    const QPointF rimPoint(top.center().x() + 43, topMiddle + 6.5);
    painter.drawLine(QPointF(base.left(), baseMiddle), rimPoint);

    painter.setPen(Qt::black);
    painter.setFont(letterFont());
    painter.drawText(QRectF(30, 138, 16, 16), Qt::AlignCenter, "R");
    painter.drawText(QRectF(80, 138, 16, 16), Qt::AlignCenter, "R");
    painter.drawText(QRectF(40, 72, 16, 16), Qt::AlignCenter, "D");
    painter.drawText(QRectF(117, 74, 16, 16), Qt::AlignCenter, "H");
    return image;
}

// The hamburger on a 32 x 32 grid, whatever the painter's scale.
void drawHamburger(QPainter& painter) {
    painter.setPen(Qt::NoPen);

    const QColor bun(214, 137, 52);
    painter.setBrush(bun.darker(115));
    painter.drawRoundedRect(QRectF(3, 23, 26, 5), 2.5, 2.5); // bottom bun
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRoundedRect(QRectF(3, 19, 26, 4), 2, 2); // patty
    painter.setBrush(QColor(220, 30, 30));
    painter.drawRect(QRectF(4, 17, 24, 2)); // tomato
    painter.setBrush(QColor(250, 215, 40));
    QPainterPath cheese;
    cheese.moveTo(3, 15);
    cheese.lineTo(29, 15);
    cheese.lineTo(29, 17);
    cheese.lineTo(22, 17);
    cheese.lineTo(19, 20);
    cheese.lineTo(16, 17);
    cheese.lineTo(3, 17);
    cheese.closeSubpath();
    painter.drawPath(cheese); // cheese, with a drip over the tomato
    painter.setBrush(QColor(60, 170, 40));
    painter.drawEllipse(QRectF(0, 13, 7, 4)); // lettuce showing at both sides
    painter.drawEllipse(QRectF(25, 13, 7, 4));
    painter.drawRect(QRectF(3, 14, 26, 1.5));
    painter.setBrush(bun);
    QPainterPath topBun;
    topBun.moveTo(2, 14);
    topBun.cubicTo(2, 2, 30, 2, 30, 14);
    topBun.closeSubpath();
    painter.drawPath(topBun);
    painter.setBrush(QColor(255, 245, 200));
    for (const QPointF seed : {QPointF(9, 8), QPointF(14, 6), QPointF(19, 7), QPointF(24, 9),
                               QPointF(12, 11), QPointF(21, 11), QPointF(16, 9)}) {
        painter.drawEllipse(seed, 1.0, 0.7);
    }
}

constexpr int kIconGrid = 32;

// The window's icon: drawn pixel for pixel, as a 256-colour icon must be.
QImage windowIcon() {
    QImage image(kIconGrid, kIconGrid, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawHamburger(painter);
    return image;
}

QImage themeIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kIconGrid), size / double(kIconGrid));
    drawHamburger(painter);
    return image;
}

// On the window's colour, filling the square, the hamburger `share` of its width in the middle:
// a system that cuts the icon to a circle or a rounded square keeps all of it.
QImage opaqueIcon(int size, double share) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size * share / kIconGrid;
    painter.translate(size * (1 - share) / 2, size * (1 - share) / 2);
    painter.scale(scale, scale);
    drawHamburger(painter);
    return image;
}

// The page's pictures. The maskable icon's safe zone is the middle circle of 80 % of its width.
bool writePagePictures(const QString& folder) {
    constexpr double kInsideSafeZone = 0.55;
    constexpr double kOnHomeScreen = 0.8;
    return drawCylinder(2)
               .convertToFormat(QImage::Format_Grayscale8)
               .save(folder + "/web/cylinder-2x.png", "PNG") &&
           themeIcon(192).save(folder + "/web/korvala-192.png", "PNG") &&
           themeIcon(512).save(folder + "/web/korvala-512.png", "PNG") &&
           opaqueIcon(512, kInsideSafeZone).save(folder + "/web/korvala-maskable-512.png", "PNG") &&
           opaqueIcon(180, kOnHomeScreen).save(folder + "/web/apple-touch-icon.png", "PNG");
}

bool writeSvgIcon(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kIconGrid, kIconGrid));
    svg.setViewBox(QRect(0, 0, kIconGrid, kIconGrid));
    svg.setTitle(QStringLiteral("Korvala"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    drawHamburger(painter);
    return painter.end();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: korvala-draw-resources OUTPUT_FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QImage icon = windowIcon();
    // The window shows the drawing decoded from its JPEG, stored losslessly: no image plugin
    // need be loaded at start-up.
    bool written = drawCylinder(1).save(folder + "/cylinder.jpg", "JPEG", kJpegQuality) &&
                   QImage(folder + "/cylinder.jpg").save(folder + "/cylinder.png", "PNG") &&
                   writeFile(folder + "/korvala.ico", korvala::tools::iconFile(icon)) &&
                   icon.save(folder + "/korvala.png", "PNG") &&
                   writeSvgIcon(folder + "/icons/korvala.svg") && writePagePictures(folder);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        written =
            written && themeIcon(size).save(
                           QStringLiteral("%1/icons/korvala-%2.png").arg(folder).arg(size), "PNG");
    }
    if (!written) {
        err << "could not write the pictures into " << folder << "\n";
        return 1;
    }
    return 0;
}
