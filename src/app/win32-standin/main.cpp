// A stand-in for Vindel's Windows program: the main window's frame alone,
// white and empty, with the program's caption, client size, position and
// icon. It ends with exit code 0 when the window is closed, as the program
// does.
#include <windows.h>

#include "ResourceNames.h"

namespace {

constexpr wchar_t kClassName[] = L"VindelStandIn";
constexpr wchar_t kCaption[] = L"Vindel";
constexpr int kLeft = 200;
constexpr int kTop = 0;
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

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, vindel::resource_names::kIcon);
    // LR_SHARED: the system keeps the small icon for the life of the module.
    window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, vindel::resource_names::kIcon,
                                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
}

// The outer size whose client area is the designed one, at the screen's
// density: the program declares itself DPI-aware, so the system no longer
// stretches it.
SIZE FrameSize() {
    const HDC screen = GetDC(nullptr);
    int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    ReleaseDC(nullptr, screen);
    if (dpi <= 0)
        dpi = 96;
    RECT frame{0, 0, MulDiv(kClientWidth, dpi, 96), MulDiv(kClientHeight, dpi, 96)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    if (!RegisterWindowClass(instance))
        return 0;
    const SIZE frame = FrameSize();
    const HWND window = CreateWindowExW(0, kClassName, kCaption, kStyle, kLeft, kTop, frame.cx,
                                        frame.cy, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 0;
    // The show state the program was started with: maximised, minimised or
    // normal.
    ShowWindow(window, show_command);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
