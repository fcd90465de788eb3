#include "win/picture_box.hpp"

namespace korvala::win {

namespace {

void paint(HWND box) {
    PAINTSTRUCT paint{};
    const HDC target = BeginPaint(box, &paint);
    RECT client{};
    GetClientRect(box, &client);
    auto* const bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(box, GWLP_USERDATA));
    BITMAP size{};
    if (bitmap != nullptr && GetObjectW(bitmap, sizeof(size), &size) != 0) {
        const HDC source = CreateCompatibleDC(target);
        const HGDIOBJ previous = SelectObject(source, bitmap);
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, client.right, client.bottom, source, 0, 0, size.bmWidth,
                   size.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else {
        FillRect(target, &client, GetSysColorBrush(COLOR_WINDOW));
    }
    EndPaint(box, &paint);
}

LRESULT CALLBACK pictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(box);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetFocus(box);
        return 0;
    default:
        return DefWindowProcW(box, message, wParam, lParam);
    }
}

} // namespace

void registerPictureBoxClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = pictureBoxProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kPictureBoxClass;
    RegisterClassExW(&windowClass);
}

void setPictureBoxBitmap(HWND box, HBITMAP bitmap) {
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(box, nullptr, FALSE);
}

} // namespace korvala::win
