// Starts a setup program as a user does, waits for its first page and prints the caption of the
// page's forward button, in UTF-8, which tells the language its pages are in; then ends it.
// Usage: setup_language PATH\setup.exe
// Exit status: 0 with the caption printed, 1 when no page showed (a message on standard error).
#include "win/wide_text.hpp"

#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

// The forward button of every page of an NSIS setup program.
constexpr int kForwardButton = 1;
// Wine's first window on a fresh prefix and a loaded machine can take many seconds.
constexpr DWORD kShowTimeoutMs = 120'000;
constexpr DWORD kPollMs = 100;

struct PageSearch {
    DWORD process;
    HWND forward;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<PageSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWND forward = GetDlgItem(window, kForwardButton);
    if (process == search->process && IsWindowVisible(window) != FALSE && forward != nullptr &&
        GetWindowTextLengthW(forward) > 0) {
        search->forward = forward;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: setup_language PATH\\setup.exe\n");
        return 1;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION setup{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &setup) == FALSE) {
        std::fprintf(stderr, "could not start %ls\n", argv[1]);
        return 1;
    }
    PageSearch search{setup.dwProcessId, nullptr};
    for (DWORD waited = 0; waited < kShowTimeoutMs && search.forward == nullptr;
         waited += kPollMs) {
        if (WaitForSingleObject(setup.hProcess, kPollMs) == WAIT_OBJECT_0) {
            break;
        }
        EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    }
    int status = 0;
    if (search.forward == nullptr) {
        std::fprintf(stderr, "no page of the setup program showed\n");
        status = 1;
    } else {
        std::array<wchar_t, 128> caption{};
        GetWindowTextW(search.forward, caption.data(), static_cast<int>(caption.size()));
        std::printf("%s\n", korvala::win::toUtf8(caption.data()).c_str());
    }
    TerminateProcess(setup.hProcess, 0);
    WaitForSingleObject(setup.hProcess, INFINITE);
    CloseHandle(setup.hThread);
    CloseHandle(setup.hProcess);
    return status;
}
