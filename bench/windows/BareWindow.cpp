// SPDX-License-Identifier: MIT
// The yardstick of Vindel's start under Windows: a bare Win32 window of the
// main window's size, place and caption, with the same manifest and built
// with the same flags, that ends with exit code 0 when closed. It draws
// nothing but its white background and has the system's stock icon.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"VindelBareWindow";
constexpr int kClientWidth = 969;
constexpr int kClientHeight = 669;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = instance;
    // The system's stock icon. Windows shows it anyway for a class without
    // one; wine, given none, looks for one itself, which costs it some 50 ms
    // and would flatter any program compared with this window.
    window_class.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = kClassName;
    if (RegisterClassExW(&window_class) == 0)
        return 0;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const HWND window =
        CreateWindowExW(0, kClassName, L"Vindel", kStyle, 200, 0, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 0;
    ShowWindow(window, show_command);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
