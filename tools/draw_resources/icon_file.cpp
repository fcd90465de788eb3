#include "icon_file.hpp"

#include <QDataStream>
#include <QIODevice>

namespace korvala::tools {

namespace {

constexpr int kSide = 32;
constexpr int kColours = 256;
constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;
constexpr int kHalfOpaque = 128;

} // namespace

QByteArray iconFile(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32).scaled(kSide, kSide);
    // Opaque pixels only, so the palette holds no half-transparent colours.
    QImage opaque = argb.convertToFormat(QImage::Format_RGB32);
    const QImage indexed =
        opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int xorSize = kSide * kSide;
    const int andRowBytes = kSide / 8;
    const int andSize = andRowBytes * kSide;
    const int imageSize = kInfoHeaderSize + kColours * 4 + xorSize + andSize;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1); // reserved, type icon, one image
    out << quint8(kSide) << quint8(kSide) << quint8(0) << quint8(0) << quint16(1) << quint16(8)
        << quint32(imageSize) << quint32(kHeaderSize + kEntrySize);

    out << quint32(kInfoHeaderSize) << qint32(kSide) << qint32(kSide * 2) << quint16(1)
        << quint16(8) << quint32(0) << quint32(xorSize + andSize) << qint32(0) << qint32(0)
        << quint32(kColours) << quint32(0);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < kColours; ++i) {
        const QRgb colour = i < table.size() ? table[i] : 0;
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
    for (int y = kSide - 1; y >= 0; --y) { // rows bottom-up
        for (int x = 0; x < kSide; ++x) {
            out << quint8(indexed.pixelIndex(x, y));
        }
    }
    for (int y = kSide - 1; y >= 0; --y) {
        for (int byte = 0; byte < andRowBytes; ++byte) {
            quint8 mask = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (qAlpha(argb.pixel(byte * 8 + bit, y)) < kHalfOpaque) {
                    mask |= quint8(0x80U >> bit);
                }
            }
            out << mask;
        }
    }
    return bytes;
}

} // namespace korvala::tools
