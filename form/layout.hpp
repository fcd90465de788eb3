// Where every control of the window stands, in twips (a twentieth of a printer's point) as the
// window was designed; 15 twips make one pixel at 96 dots per inch, and each face scales from
// there. Value-row positions are relative to the frame that holds them.
#pragma once

#include <cstddef>

namespace korvala::form::layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerInch = 1440;

struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct TwipRect {
    int left;
    int top;
    int width;
    int height;

    // At 96 dots per inch.
    [[nodiscard]] constexpr PixelRect pixels() const {
        return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                height / kTwipsPerPixel};
    }

    // At any resolution, each edge rounded to the nearest pixel, so that controls that meet at
    // 96 dots per inch still meet; at 96 the same as pixels().
    [[nodiscard]] constexpr PixelRect pixelsAt(int dotsPerInch) const {
        const auto scaled = [dotsPerInch](int twips) {
            return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
        };
        return {scaled(left), scaled(top), scaled(left + width) - scaled(left),
                scaled(top + height) - scaled(top)};
    }
};

inline constexpr TwipRect kClientArea{0, 0, 7215, 6360};          // Korvala
inline constexpr TwipRect kTitle{240, 0, 6735, 375};              // Label1(0)
inline constexpr TwipRect kGivenCaption{120, 600, 1335, 375};     // Label1(1)
inline constexpr TwipRect kProblemList{120, 960, 1335, 1485};     // List1(0)
inline constexpr TwipRect kFrame{1560, 480, 2415, 2295};          // Frame1
inline constexpr TwipRect kCalculateButton{240, 2880, 1335, 375}; // Command1(0)
inline constexpr TwipRect kClearButton{2160, 2880, 1335, 375};    // Command1(1)
inline constexpr TwipRect kPicture{4680, 600, 2115, 2595};        // Picture1
inline constexpr TwipRect kStatement{120, 3480, 6855, 2775};      // Text1(0)

// Row i of the frame: rows are 360 twips apart and 405 high, so neighbours overlap by 3 px.
inline constexpr int kFirstRowTop = 360;
inline constexpr int kRowPitch = 360;
inline constexpr int kRowHeight = 405;

[[nodiscard]] constexpr int rowTop(std::size_t row) {
    return kFirstRowTop + kRowPitch * static_cast<int>(row);
}

[[nodiscard]] constexpr TwipRect checkBoxRow(std::size_t row) {
    return {120, rowTop(row), 615, kRowHeight}; // Check1(row)
}

[[nodiscard]] constexpr TwipRect valueBoxRow(std::size_t row) {
    return {840, rowTop(row), 1335, kRowHeight}; // Text2(row)
}

// A value row in the window's own coordinates, for a face whose controls are all the window's
// children.
[[nodiscard]] constexpr TwipRect inFrame(const TwipRect& row) {
    return {kFrame.left + row.left, kFrame.top + row.top, row.width, row.height};
}

// The picture box's sunken border, on each side of the drawing.
inline constexpr int kPictureBorder = 2;

// The drawing inside the picture box's border, at 96 dots per inch.
[[nodiscard]] constexpr PixelRect pictureDrawing() {
    const PixelRect box = kPicture.pixels();
    return {kPictureBorder, kPictureBorder, box.width - 2 * kPictureBorder,
            box.height - 2 * kPictureBorder};
}

} // namespace korvala::form::layout
