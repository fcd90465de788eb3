// A picture of a window as the screen shows it, frame included, for the README.
#pragma once

#include <windows.h>

#include <string>

namespace korvala::drive {

// Saves the window's screen rectangle as a 24-bit BMP file; false if it could not.
bool saveWindowPicture(HWND window, const std::wstring& path);

} // namespace korvala::drive
