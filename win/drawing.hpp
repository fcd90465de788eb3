// The cylinder drawing, kept in the program's resources as the JPEG it was drawn as and decoded
// by the Windows Imaging Component, which every Windows since XP SP3 has.
#pragma once

#include <windows.h>

#include <optional>

namespace korvala::win {

// A top-down 32-bit bitmap the caller deletes, or nothing if the resource is missing or cannot
// be decoded (the window then shows an empty picture box). COM must be initialised.
[[nodiscard]] std::optional<HBITMAP> decodeDrawing(HINSTANCE instance);

} // namespace korvala::win
