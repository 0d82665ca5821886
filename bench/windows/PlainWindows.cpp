// SPDX-License-Identifier: MIT
// The yardstick of Vindel's start under Windows: a plain Win32 program that
// creates Vindel's two windows (the main window, shown, and the diagram
// window, hidden) and all their controls directly, with none of Vindel's
// code: the same client sizes, places and captions, fonts, pictures (the
// BMP files of resources/windows), labels, the three combo boxes, the three
// edit boxes (one showing '*'), the buttons, and the same accessibility:
// every label a STATIC window whose text a screen reader reads, and every
// input named as its description names it. It ends with exit code 0 when the
// main window is closed.
//
// Built with VINDEL_PAINTED_LABELS, the windows paint their labels
// themselves and name nothing: what the accessibility costs at start-up.
//
// The inputs' names: each edit and combo box answers WM_GETOBJECT with the
// system's standard object for it, its name given. Dynamic annotation
// (IAccPropServices::SetHwndPropStr) would be shorter, but wine ignores it.
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <cstddef>
#include <iterator>

#include "PlainWindowsResources.h"

namespace {

// Not IID_IAccessible: mingw-w64's oleacc import library also names it, as
// an import of oleacc.dll's data taken for code, and linked before uuid it
// gives the bytes of that stub instead of the interface's id.
constexpr IID kIAccessible = __uuidof(IAccessible);

enum class Kind { Label, Picture, Combo, Edit, Password, Button };
enum class Style { Regular, Bold, BoldItalic };

struct Font {
    const wchar_t* family;
    int pixels;
    Style style;
};

constexpr Font kSentence{L"Calibri", 19, Style::Regular};
constexpr Font kValue{L"Calibri", 19, Style::Bold};
constexpr Font kTitle{L"Calibri", 19, Style::BoldItalic};
constexpr Font kButtonFont{L"Calibri", 15, Style::Bold};
constexpr Font kVersion{L"Calibri", 13, Style::Bold};
constexpr Font kBox{L"Calibri", 15, Style::Regular};
constexpr Font kFormFont{L"Tahoma", 11, Style::Regular};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

struct Control {
    Kind kind;
    int left, top, width, height;
    const wchar_t* text;  // caption or first text
    WORD picture;         // a picture's resource
    const Font* font;
    COLORREF colour;
    const wchar_t* name;  // what a screen reader announces an input by
    bool visible;
};

constexpr Control Label(int left, int top, int width, int height, const wchar_t* text,
                        const Font& font, COLORREF colour = kBlack) {
    return {Kind::Label, left, top, width, height, text, 0, &font, colour, nullptr, true};
}
constexpr Control Picture(int left, int top, int width, int height, WORD picture, bool visible) {
    return {Kind::Picture, left,    top,    width,   height, L"",
            picture,       nullptr, kBlack, nullptr, visible};
}
constexpr Control Input(Kind kind, int left, int top, int width, int height, const wchar_t* text,
                        const Font& font, const wchar_t* name) {
    return {kind, left, top, width, height, text, 0, &font, kBlack, name, true};
}

// The main window's controls, in the order Vindel creates them.
constexpr Control kMainControls[] = {
    Label(45, 174, 87, 23, L"Input Ports", kSentence),
    Label(45, 222, 100, 23, L"Output Ports", kSentence),
    Label(45, 90, 178, 23, L"Ethernet switch Model:", kSentence),
    Label(45, 130, 245, 23, L"Maximum Input + Output ports:", kSentence),
    Label(296, 130, 4, 23, L"", kSentence),
    Picture(46, 282, 501, 85, PLAIN_SG300_10, true),
    Picture(-2, 0, 984, 33, PLAIN_BANNER, true),
    Picture(45, 282, 807, 85, PLAIN_SG300_20, false),
    Picture(46, 284, 828, 85, PLAIN_SG300_28, false),
    Picture(45, 282, 829, 85, PLAIN_SG300_52, false),
    Label(280, 393, 4, 23, L"", kValue),
    Label(824, 0, 136, 15, L"Beta - V1.2 (16/11/22)-2", kVersion, kWhite),
    Label(408, 8, 154, 23, L"N x M Matrix Setup", kTitle, kYellow),
    Label(35, 464, 286, 23, L"2. Enter IP address of the                       ", kSentence),
    Label(35, 522, 222, 23, L"3. Enter Login and Password ", kSentence),
    Label(65, 493, 88, 23, L"IP Address:", kSentence),
    Label(65, 562, 46, 23, L"Login:", kSentence),
    Label(65, 587, 81, 23, L"Password:", kSentence),
    Label(235, 464, 40, 23, L"          ", kValue),
    Label(35, 393, 589, 23,
          L"1. Connect computer directly to                    of the          "
          L"              Ethernet Switch.",
          kSentence),
    Label(56, 422, 277, 23, L"(Leave all other ports unconnected.)", kSentence),
    Label(408, 393, 4, 23, L"", kValue),
    Input(Kind::Combo, 152, 176, 89, 26, L"", kBox, L"Input Ports"),
    Input(Kind::Combo, 153, 224, 89, 26, L"", kBox, L"Output Ports"),
    Input(Kind::Button, 398, 622, 97, 39, L"Connect", kButtonFont, L"Connect"),
    Input(Kind::Edit, 167, 493, 122, 26, L"192.168.1.254", kBox, L"IP Address"),
    Input(Kind::Edit, 167, 557, 122, 26, L"", kBox, L"Login"),
    Input(Kind::Password, 168, 587, 122, 26, L"", kBox, L"Password"),
    Input(Kind::Combo, 230, 92, 145, 26, L"", kBox, L"Ethernet switch Model"),
};

// The diagram window's controls.
constexpr Control kDiagramControls[] = {
    Picture(0, -2, 1001, 33, PLAIN_BANNER, true),
    Label(376, 8, 126, 23, L"In/Out Diagram", kTitle, kYellow),
    Label(53, 232, 365, 23, L"Connect Input Source Transmitters to                 - ", kSentence),
    Label(428, 232, 4, 23, L"", kValue),
    Label(53, 278, 371, 23, L"Connect Output Zone Receivers to                   -       ",
          kSentence),
    Label(409, 278, 4, 23, L"", kValue),
    Label(320, 278, 4, 23, L"", kValue),
    Label(349, 232, 56, 23, L"Ports 1", kValue),
    Picture(53, 120, 501, 85, PLAIN_SG300_10, true),
    Picture(53, 120, 807, 85, PLAIN_SG300_20, false),
    Picture(53, 120, 828, 85, PLAIN_SG300_28, false),
    Picture(53, 120, 829, 85, PLAIN_SG300_52, false),
    Label(53, 326, 225, 23, L"Connect control computer to ", kSentence),
    Label(284, 326, 56, 23, L"Ports 1", kValue),
    Label(53, 91, 4, 23, L"", kValue),
    Input(Kind::Button, 409, 376, 86, 33, L"Close", kButtonFont, L"Close"),
};

constexpr wchar_t kClassName[] = L"VindelPlainWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

// The fonts and pictures, made once and kept for the program's life.
HFONT FontOf(const Font& font) {
    struct Made {
        const Font* font;
        HFONT handle;
    };
    static std::array<Made, 8> made{};
    for (Made& entry : made) {
        if (entry.font == &font)
            return entry.handle;
        if (entry.font == nullptr) {
            LOGFONTW description{};
            description.lfHeight = -font.pixels;
            description.lfWeight = font.style == Style::Regular ? FW_NORMAL : FW_BOLD;
            description.lfItalic = font.style == Style::BoldItalic ? TRUE : FALSE;
            lstrcpynW(description.lfFaceName, font.family, LF_FACESIZE);
            entry = {&font, CreateFontIndirectW(&description)};
            return entry.handle;
        }
    }
    return nullptr;
}

HBITMAP PictureOf(WORD resource) {
    struct Loaded {
        WORD resource;
        HBITMAP handle;
    };
    static std::array<Loaded, 5> loaded{};
    for (Loaded& entry : loaded) {
        if (entry.resource == resource)
            return entry.handle;
        if (entry.resource == 0) {
            entry = {resource, static_cast<HBITMAP>(
                                   LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))};
            return entry.handle;
        }
    }
    return nullptr;
}

#ifdef VINDEL_PAINTED_LABELS
// The window's labels, painted by the window itself.
struct PaintedLabels {
    const Control* controls;
    std::size_t count;
};

void PaintLabels(HWND window, const PaintedLabels& labels) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < labels.count; ++i) {
        const Control& control = labels.controls[i];
        if (control.kind != Kind::Label)
            continue;
        SelectObject(dc, FontOf(*control.font));
        SetTextColor(dc, control.colour);
        RECT place{control.left, control.top, control.left + control.width,
                   control.top + control.height};
        DrawTextW(dc, control.text, -1, &place, DT_NOPREFIX | DT_NOCLIP);
    }
    EndPaint(window, &paint);
}
#endif

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            // Labels draw their text straight onto the window and the pictures
            // under them; their colour is kept with the label.
            const auto dc = reinterpret_cast<HDC>(wparam);
            const auto label = reinterpret_cast<HWND>(lparam);
            SetTextColor(dc, static_cast<COLORREF>(
                                 reinterpret_cast<LONG_PTR>(GetPropW(label, L"VindelColour"))));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
#ifdef VINDEL_PAINTED_LABELS
        case WM_PAINT:
            PaintLabels(window, *reinterpret_cast<const PaintedLabels*>(
                                    GetWindowLongPtrW(window, GWLP_USERDATA)));
            return 0;
#endif
        case WM_CLOSE:
            // The diagram window's close box only hides it.
            if (GetWindow(window, GW_OWNER) != nullptr) {
                ShowWindow(window, SW_HIDE);
                return 0;
            }
            break;
        case WM_DESTROY:
            if (GetWindow(window, GW_OWNER) == nullptr)
                PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

#ifndef VINDEL_PAINTED_LABELS
// An input's accessible object: the system's own for its class, with the
// name given. wine's (and, for a label that is not just before the box,
// Windows') standard objects find none by themselves.
class NamedAccessible final : public IAccessible {
  public:
    NamedAccessible(IAccessible* standard, const wchar_t* name)
        : standard_(standard), name_(name) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == kIAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The standard object's enumeration of its children and its window
        // come from it; nothing else, so that COM marshals this object, not
        // the standard one.
        if (id == IID_IEnumVARIANT || id == IID_IOleWindow)
            return standard_->QueryInterface(id, object);
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            standard_->Release();
            delete this;  // made by new in AnswerGetObject; COM ends it
        }
        return left;
    }
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
    }
    // IAccessible: the name of the input itself, everything else as is.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr)
            return E_POINTER;
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            *name = SysAllocString(name_);
            return *name != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~NamedAccessible() = default;

    IAccessible* standard_;
    const wchar_t* name_;
    ULONG references_ = 1;
};

// The subclass of a named input: answers the request for its client
// object with the named one. The name is the subclass's reference data.
LRESULT CALLBACK NamedInputProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR, DWORD_PTR data) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT) {
        // The object goes to the reader through COM, on this thread; asked
        // for the first time when a reader comes.
        static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        (void)com;
        IAccessible* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, kIAccessible,
                                                reinterpret_cast<void**>(&standard)))) {
            auto* named = new NamedAccessible(standard, reinterpret_cast<const wchar_t*>(data));
            const LRESULT result = LresultFromObject(kIAccessible, wparam, named);
            named->Release();
            return result;
        }
    }
    return DefSubclassProc(window, message, wparam, lparam);
}
#endif

void Name(HWND input, const wchar_t* name) {
#ifndef VINDEL_PAINTED_LABELS
    SetWindowSubclass(input, NamedInputProcedure, 1, reinterpret_cast<DWORD_PTR>(name));
#else
    (void)input;
    (void)name;
#endif
}

void AddControl(HWND window, HINSTANCE instance, const Control& control) {
    const DWORD shown = control.visible ? WS_VISIBLE : 0;
    const int l = control.left;
    const int t = control.top;
    const int w = control.width;
    const int h = control.height;
    HWND made = nullptr;
    switch (control.kind) {
        case Kind::Label:
#ifdef VINDEL_PAINTED_LABELS
            return;
#else
            made = CreateWindowExW(WS_EX_TRANSPARENT, L"Static", control.text,
                                   WS_CHILD | shown | SS_LEFT | SS_NOPREFIX, l, t, w, h, window,
                                   nullptr, instance, nullptr);
            SetPropW(made, L"VindelColour",
                     reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(control.colour)));
            break;
#endif
        case Kind::Picture:
            made = CreateWindowExW(0, L"Static", L"", WS_CHILD | shown | SS_BITMAP, l, t, w, h,
                                   window, nullptr, instance, nullptr);
            SendMessageW(made, STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(PictureOf(control.picture)));
            return;
        case Kind::Combo:
            // The height is the closed box's and its list's, eight entries.
            made = CreateWindowExW(0, L"ComboBox", control.text,
                                   WS_CHILD | shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, l, t,
                                   w, h * 8, window, nullptr, instance, nullptr);
            break;
        case Kind::Edit:
        case Kind::Password:
            made = CreateWindowExW(
                WS_EX_CLIENTEDGE, L"Edit", control.text,
                WS_CHILD | shown | WS_TABSTOP | ES_AUTOHSCROLL |
                    (control.kind == Kind::Password ? static_cast<DWORD>(ES_PASSWORD) : 0),
                l, t, w, h, window, nullptr, instance, nullptr);
            if (control.kind == Kind::Password)
                SendMessageW(made, EM_SETPASSWORDCHAR, L'*', 0);
            break;
        case Kind::Button:
            made = CreateWindowExW(0, L"Button", control.text,
                                   WS_CHILD | shown | WS_TABSTOP | BS_PUSHBUTTON, l, t, w, h,
                                   window, nullptr, instance, nullptr);
            break;
    }
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*control.font)), FALSE);
    // A button's caption is its name already.
    if (control.name != nullptr && control.kind != Kind::Button)
        Name(made, control.name);
}

template <std::size_t N>
HWND MakeWindow(HINSTANCE instance, HWND owner, RECT place, const Control (&controls)[N]) {
    RECT frame{0, 0, place.right, place.bottom};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const HWND window = CreateWindowExW(0, kClassName, L"Vindel", kStyle, place.left, place.top,
                                        frame.right - frame.left, frame.bottom - frame.top, owner,
                                        nullptr, instance, nullptr);
    if (window == nullptr)
        return nullptr;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(kFormFont)), FALSE);
#ifdef VINDEL_PAINTED_LABELS
    static PaintedLabels labels[2];
    PaintedLabels& mine = labels[owner == nullptr ? 0 : 1];
    mine = {controls, N};
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&mine));
#endif
    for (const Control& control : controls)
        AddControl(window, instance, control);
    return window;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(PLAIN_ICON));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = kClassName;
    if (RegisterClassExW(&window_class) == 0)
        return 0;
    const HWND main = MakeWindow(instance, nullptr, {200, 0, 969, 669}, kMainControls);
    if (main == nullptr)
        return 0;
    // Made with the main window, shown when the operator asks for it.
    MakeWindow(instance, main, {200, 50, 924, 429}, kDiagramControls);
    ShowWindow(main, show_command);
    UpdateWindow(main);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(GetActiveWindow(), &message) != FALSE)
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
