// SPDX-License-Identifier: MIT
// vindel_a11y_reader: reads windows the way a screen reader does, through
// Microsoft Active Accessibility, and prints what it finds: every top-level
// window with the given caption, its accessible object and the tree of its
// children, one line each with the role, the name and, except for a
// protected (password) field, the value.
//
//   vindel_a11y_reader [CAPTION]        default caption: Vindel
//
//   window 0x1234 visible
//     client "Vindel"
//       text "Login" value=""
//       text "Password" protected
//
// Runs under wine as on Windows. Exits 1 when no such window is found.
#include <windows.h>
// After windows.h, whose types they use.
#include <oleacc.h>
#include <wrl/client.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

// An owned BSTR.
class Bstr final {
  public:
    Bstr() = default;
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* Out() { return &text_; }
    std::wstring Text() const { return text_ != nullptr ? std::wstring(text_) : std::wstring(); }
    bool Empty() const { return text_ == nullptr; }

  private:
    BSTR text_ = nullptr;
};

// Prints text as UTF-8, with quotes and newlines escaped.
std::string Quoted(const std::wstring& text) {
    std::string out = "\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == L'\n') {
            out += "\\n";
        } else if (c == L'\r') {
            out += "\\r";
        } else {
            char bytes[8];
            const int n =
                WideCharToMultiByte(CP_UTF8, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr);
            out.append(bytes, static_cast<std::size_t>(n > 0 ? n : 0));
        }
    }
    return out + "\"";
}

std::wstring RoleText(IAccessible& object, const VARIANT& child) {
    VARIANT role;
    VariantInit(&role);
    if (FAILED(object.get_accRole(child, &role)))
        return L"?";
    if (role.vt != VT_I4) {
        VariantClear(&role);
        return L"?";
    }
    wchar_t text[128] = L"";
    GetRoleTextW(static_cast<DWORD>(role.lVal), text, ARRAYSIZE(text));
    // Role texts are words with spaces; one word each here, easier to match.
    std::wstring word;
    for (const wchar_t c : std::wstring(text))
        word += c == L' ' ? L'_' : c;
    return word;
}

void PrintObject(IAccessible& object, const VARIANT& child, int depth) {
    Bstr name;
    (void)object.get_accName(child, name.Out());
    VARIANT state;
    VariantInit(&state);
    const bool known = SUCCEEDED(object.get_accState(child, &state)) && state.vt == VT_I4;
    const LONG flags = known ? state.lVal : 0;
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += Quoted(RoleText(object, child)).substr(1);
    line.pop_back();
    line += ' ' + (name.Empty() ? std::string("(no name)") : Quoted(name.Text()));
    if ((flags & STATE_SYSTEM_PROTECTED) != 0) {
        // Never the value of a password field.
        line += " protected";
    } else {
        Bstr value;
        if (SUCCEEDED(object.get_accValue(child, value.Out())) && !value.Empty())
            line += " value=" + Quoted(value.Text());
    }
    if ((flags & STATE_SYSTEM_INVISIBLE) != 0)
        line += " invisible";
    std::printf("%s\n", line.c_str());
}

// A child window's client object, where the child is its window object: on
// Windows that holds the client object as its one child; wine's tells
// neither role nor name. Other children as they are.
ComPtr<IAccessible> ClientOf(IAccessible& child) {
    ComPtr<IAccessible> same(&child);
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    const bool window = FAILED(child.get_accRole(self, &role)) ||
                        (role.vt == VT_I4 && role.lVal == ROLE_SYSTEM_WINDOW);
    VariantClear(&role);
    ComPtr<IOleWindow> ole;
    HWND handle = nullptr;
    if (!window || FAILED(child.QueryInterface(IID_PPV_ARGS(&ole))) ||
        FAILED(ole->GetWindow(&handle)))
        return same;
    ComPtr<IAccessible> client;
    if (FAILED(AccessibleObjectFromWindow(handle, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_PPV_ARGS(&client))))
        return same;
    return client;
}

// The object and its children, as far down as they go.
void PrintTree(IAccessible& object, int depth) {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    PrintObject(object, self, depth);
    if (depth > 12)
        return;
    LONG count = 0;
    if (FAILED(object.get_accChildCount(&count)) || count <= 0)
        return;
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    if (FAILED(AccessibleChildren(&object, 0, count, children.data(), &obtained)))
        return;
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            ComPtr<IAccessible> accessible;
            if (SUCCEEDED(child.pdispVal->QueryInterface(IID_PPV_ARGS(&accessible))))
                PrintTree(*ClientOf(*accessible.Get()).Get(), depth + 1);
        } else if (child.vt == VT_I4) {
            PrintObject(object, child, depth + 1);
        }
        VariantClear(&child);
    }
}

struct Search {
    std::wstring caption;
    std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, ARRAYSIZE(text));
    if (search.caption == text)
        search.windows.push_back(window);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Lines end in LF alone, for the scripts that read them on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    Search search{argc > 1 ? argv[1] : L"Vindel", {}};
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 2;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    for (const HWND window : search.windows) {
        std::printf("window %p %s\n", static_cast<void*>(window),
                    IsWindowVisible(window) != FALSE ? "visible" : "hidden");
        ComPtr<IAccessible> client;
        if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                              IID_PPV_ARGS(&client)))) {
            std::printf("  (no accessible object)\n");
            continue;
        }
        PrintTree(*client.Get(), 1);
    }
    std::fflush(stdout);
    CoUninitialize();
    return search.windows.empty() ? 1 : 0;
}
