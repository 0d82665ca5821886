// SPDX-License-Identifier: MIT
// The yardstick of Vindel's start under Windows: a bare Win32 window of the
// main window's size, place and caption, with the same manifest and built
// with the same flags, that ends with exit code 0 when closed. It draws
// nothing but its white background and has the system's stock icon.
//
// Built with VINDEL_WITH_COMBO_BOXES, it also has the main window's three
// drop-down combo boxes (common controls 6, in Calibri, empty): what a
// window with those controls costs before anything of Vindel's own.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

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

#ifdef VINDEL_WITH_COMBO_BOXES
void AddComboBoxes(HWND window, HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    LOGFONTW calibri{};
    calibri.lfHeight = -15;
    lstrcpyW(calibri.lfFaceName, L"Calibri");
    const HFONT font = CreateFontIndirectW(&calibri);  // lives as long as the program
    struct Place {
        int left, top, width, height;
    };
    const Place places[] = {{230, 92, 145, 26}, {152, 176, 89, 26}, {153, 224, 89, 26}};
    for (const Place& place : places) {
        // The height is the closed box's and its list's, eight entries.
        const HWND box = CreateWindowExW(
            0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
            place.left, place.top, place.width, place.height * 8, window, nullptr, instance,
            nullptr);
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}
#endif

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
#ifdef VINDEL_WITH_COMBO_BOXES
    AddComboBoxes(window, instance);
#endif
    ShowWindow(window, show_command);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
