// Starts a setup program as a user does, waits for its first page and prints the caption of the
// page's forward button, in UTF-8, which tells the language its pages are in; then ends it.
// Usage: setup_language PATH\setup.exe
// Exit status: 0 with the caption printed, 1 when no page showed (a message on standard error).
#include "process_window.hpp"
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

// A page of the setup program: a window with a forward button that has a caption.
bool isSetupPage(HWND window) {
    HWND forward = GetDlgItem(window, kForwardButton);
    return forward != nullptr && GetWindowTextLengthW(forward) > 0;
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
    const HWND page = korvala::drive::waitForProcessWindow(setup, isSetupPage, kShowTimeoutMs);
    int status = 0;
    if (page == nullptr) {
        std::fprintf(stderr, "no page of the setup program showed\n");
        status = 1;
    } else {
        std::array<wchar_t, 128> caption{};
        GetWindowTextW(GetDlgItem(page, kForwardButton), caption.data(),
                       static_cast<int>(caption.size()));
        std::printf("%s\n", korvala::win::toUtf8(caption.data()).c_str());
    }
    TerminateProcess(setup.hProcess, 0);
    WaitForSingleObject(setup.hProcess, INFINITE);
    CloseHandle(setup.hThread);
    CloseHandle(setup.hProcess);
    return status;
}
