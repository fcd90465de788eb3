// Korvala for Windows: the window, and a message loop that gives it the dialog keys (Tab and
// Shift+Tab through the controls, Return and Enter).
#include "win/korvala_window.hpp"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

// The system's headers name the parameters in their own style.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

    int status = 1;
    if (const auto window = korvala::win::KorvalaWindow::create(instance)) {
        (*window)->show(showCommand);
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            // Once the window is destroyed, the loop only waits for its WM_QUIT.
            HWND dialog = (*window)->handle();
            if (dialog == nullptr || IsDialogMessageW(dialog, &message) == FALSE) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = static_cast<int>(message.wParam);
    }
    if (comReady) {
        CoUninitialize();
    }
    return status;
}
