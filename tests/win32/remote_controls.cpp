#include "remote_controls.hpp"

#include "win/wide_text.hpp"

#include <commctrl.h>
#include <vector>

namespace korvala::drive {

namespace {

// Waits until the window's thread has handled everything sent or posted to it so far.
void settle(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

// Posted messages are handled in order, after every sent one: a selection posted to an edit
// control is seen once everything posted before it has been handled. Each fence selects a
// position of its own, so that an earlier one is not mistaken for it.
void awaitPosted(HWND fence) {
    static WPARAM position = 0;
    position = position % 64 + 1;
    PostMessageW(fence, EM_SETSEL, position, static_cast<LPARAM>(position));
    for (int attempt = 0; attempt < 500; ++attempt) {
        const auto selection = static_cast<DWORD>(SendMessageW(fence, EM_GETSEL, 0, 0));
        if (LOWORD(selection) == position) {
            return;
        }
        Sleep(10);
    }
}

struct OwnedSearch {
    HWND owner;
    const wchar_t* windowClass;
    bool visible;
    HWND found;
};

BOOL CALLBACK checkOwned(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (GetWindow(window, GW_OWNER) == search->owner &&
        (!search->visible || IsWindowVisible(window) != FALSE) &&
        lstrcmpiW(name, search->windowClass) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::wstring textOf(HWND control) {
    std::vector<wchar_t> buffer(4096, L'\0');
    const auto length =
        SendMessageW(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return {buffer.data(), static_cast<std::size_t>(length)};
}

std::string utf8TextOf(HWND control) {
    return win::toUtf8(textOf(control));
}

std::string listEntry(HWND list, int position) {
    std::vector<wchar_t> buffer(256, L'\0');
    const auto length = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(position),
                                     reinterpret_cast<LPARAM>(buffer.data()));
    return length < 0 ? std::string()
                      : win::toUtf8({buffer.data(), static_cast<std::size_t>(length)});
}

bool isReadOnly(HWND edit) {
    return (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

void type(HWND edit, std::wstring_view keys) {
    for (const wchar_t key : keys) {
        SendMessageW(edit, WM_CHAR, key, 1);
    }
}

void selectWithKeys(HWND list, int position) {
    SendMessageW(list, WM_KEYDOWN, VK_HOME, 1);
    for (int step = 0; step < position; ++step) {
        SendMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
    }
}

void click(HWND window, HWND button) {
    // Sent without waiting: a modal box opened by the click would hold a waiting sender.
    SendNotifyMessageW(button, BM_CLICK, 0, 0);
    settle(window);
}

void pressKey(HWND fence, HWND control, WPARAM virtualKey) {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(control, WM_KEYUP, virtualKey, 0xC0000001);
    awaitPosted(fence);
}

void clickOn(HWND fence, HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    awaitPosted(fence);
}

HWND ownedWindow(HWND owner, const wchar_t* windowClass, Visibility visibility) {
    OwnedSearch search{owner, windowClass, visibility == Visibility::Shown, nullptr};
    EnumWindows(checkOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string tooltipText(HWND tooltips, HWND owner, HWND control) {
    DWORD process = 0;
    GetWindowThreadProcessId(tooltips, &process);
    const HANDLE handle =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (handle == nullptr) {
        return "(cannot open the process)";
    }
    constexpr std::size_t kTextUnits = 256;
    constexpr std::size_t kTextOffset = 256;
    auto* remote = static_cast<char*>(VirtualAllocEx(handle, nullptr,
                                                     kTextOffset + kTextUnits * sizeof(wchar_t),
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    std::string text = "(cannot reach the process's memory)";
    if (remote != nullptr) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = reinterpret_cast<wchar_t*>(remote + kTextOffset);
        const wchar_t empty = L'\0';
        std::vector<wchar_t> buffer(kTextUnits, L'\0');
        if (WriteProcessMemory(handle, remote, &tool, sizeof(tool), nullptr) != FALSE &&
            WriteProcessMemory(handle, remote + kTextOffset, &empty, sizeof(empty), nullptr) !=
                FALSE) {
            SendMessageW(tooltips, TTM_GETTEXTW, kTextUnits, reinterpret_cast<LPARAM>(remote));
            if (ReadProcessMemory(handle, remote + kTextOffset, buffer.data(),
                                  kTextUnits * sizeof(wchar_t), nullptr) != FALSE) {
                buffer.back() = L'\0';
                text = win::toUtf8(buffer.data());
            }
        }
        VirtualFreeEx(handle, remote, 0, MEM_RELEASE);
    }
    CloseHandle(handle);
    return text;
}

int shownTooltipHeight(HWND tooltips, HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    int height = 0;
    for (int attempt = 0; attempt < 100 && height == 0; ++attempt) {
        Sleep(50);
        RECT tip{};
        if (IsWindowVisible(tooltips) != FALSE && GetWindowRect(tooltips, &tip) != FALSE) {
            height = tip.bottom - tip.top;
        }
    }
    SendMessageW(tooltips, TTM_POP, 0, 0);
    return height;
}

HWND focusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

} // namespace korvala::drive
