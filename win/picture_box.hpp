// Picture1: a child window that fills its client area with the drawing (scaled with the
// window's resolution) inside a sunken border, and takes the focus like the other controls.
#pragma once

#include <windows.h>

namespace korvala::win {

inline constexpr const wchar_t* kPictureBoxClass = L"KorvalaPictureBox";

void registerPictureBoxClass(HINSTANCE instance);
// The box does not own the bitmap; nullptr leaves it empty.
void setPictureBoxBitmap(HWND box, HBITMAP bitmap);

} // namespace korvala::win
