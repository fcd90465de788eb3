// Starts an installed korvala.exe as the Start menu does and waits, generously, for its window
// to show; then runs another command line while the window is open, if one is given, and closes
// the window.
// Usage: window_opens PATH\korvala.exe ["COMMAND LINE"]
// Exit status: the command line's own, or 0 without one; 100 and up when the window failed
// (a message on standard error says how).
#include "process_window.hpp"
#include "win/korvala_window.hpp"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kNoWindow = 100;
constexpr int kNotStarted = 101;
constexpr int kNotClosed = 102;
// Wine's first window on a fresh prefix and a loaded machine can take many seconds.
constexpr DWORD kShowTimeoutMs = 120'000;
constexpr DWORD kCloseTimeoutMs = 60'000;

bool start(std::wstring commandLine, PROCESS_INFORMATION& started) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started) != FALSE;
}

int runBeside(const wchar_t* commandLine) {
    PROCESS_INFORMATION other{};
    if (!start(commandLine, other)) {
        std::fprintf(stderr, "could not start %ls\n", commandLine);
        return kNotStarted;
    }
    WaitForSingleObject(other.hProcess, INFINITE);
    DWORD status = kNotStarted;
    GetExitCodeProcess(other.hProcess, &status);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
    return static_cast<int>(status);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: window_opens PATH\\korvala.exe [\"COMMAND LINE\"]\n");
        return kNotStarted;
    }
    PROCESS_INFORMATION korvala{};
    if (!start(L"\"" + std::wstring(argv[1]) + L"\"", korvala)) {
        std::fprintf(stderr, "could not start %ls\n", argv[1]);
        return kNotStarted;
    }
    HWND window = korvala::drive::waitForProcessWindow(korvala, korvala::drive::isKorvalaWindow,
                                                       kShowTimeoutMs);
    int status = 0;
    if (window == nullptr) {
        std::fprintf(stderr, "no visible window of class %ls\n", korvala::win::kWindowClass);
        TerminateProcess(korvala.hProcess, 1);
        status = kNoWindow;
    } else {
        if (argc == 3) {
            status = runBeside(argv[2]);
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        if (WaitForSingleObject(korvala.hProcess, kCloseTimeoutMs) != WAIT_OBJECT_0 ||
            GetExitCodeProcess(korvala.hProcess, &exitCode) == FALSE || exitCode != 0) {
            std::fprintf(stderr, "the window did not close and end the program cleanly\n");
            TerminateProcess(korvala.hProcess, 1);
            status = kNotClosed;
        }
    }
    CloseHandle(korvala.hThread);
    CloseHandle(korvala.hProcess);
    return status;
}
