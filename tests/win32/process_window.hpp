// Waiting, as a user does, for a program started by a test to show its window.
#pragma once

#include <windows.h>

#include <functional>

namespace korvala::drive {

// The first visible top-level window of the process that `matches` accepts, looked for every
// tenth of a second; nullptr when none has shown by the timeout or the process has ended.
[[nodiscard]] HWND waitForProcessWindow(const PROCESS_INFORMATION& process,
                                        const std::function<bool(HWND)>& matches, DWORD timeoutMs);

// Whether the window is the Korvala window, by its class.
[[nodiscard]] bool isKorvalaWindow(HWND window);

} // namespace korvala::drive
