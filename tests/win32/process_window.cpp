#include "process_window.hpp"

#include "win/korvala_window.hpp"

#include <array>

namespace korvala::drive {

namespace {

constexpr DWORD kPollMs = 100;

struct WindowSearch {
    DWORD process;
    const std::function<bool(HWND)>* matches;
    HWND found;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) != FALSE &&
        (*search->matches)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND waitForProcessWindow(const PROCESS_INFORMATION& process,
                          const std::function<bool(HWND)>& matches, DWORD timeoutMs) {
    WindowSearch search{process.dwProcessId, &matches, nullptr};
    for (DWORD waited = 0; waited < timeoutMs; waited += kPollMs) {
        EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        if (WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

bool isKorvalaWindow(HWND window) {
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return lstrcmpW(name.data(), win::kWindowClass) == 0;
}

} // namespace korvala::drive
