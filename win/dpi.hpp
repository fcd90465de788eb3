// The resolution a window is shown at, on every Windows from 7 on: the per-monitor functions
// arrived with Windows 10 and are looked up at run time, so the program still starts where they
// are missing (it then takes the system's resolution).
#pragma once

#include <windows.h>

namespace korvala::win {

inline constexpr UINT kDefaultDpi = 96;

[[nodiscard]] UINT dpiOf(HWND window);
// The window size that gives the client size at that resolution.
[[nodiscard]] SIZE windowSizeFor(SIZE client, DWORD style, DWORD extendedStyle, UINT dpi);

} // namespace korvala::win
