// The window's description gives colours as RGB triples; GDI takes COLORREF.
#pragma once

#include "form/content.hpp"

#include <windows.h>

namespace korvala::win {

[[nodiscard]] inline COLORREF toColorRef(form::content::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace korvala::win
