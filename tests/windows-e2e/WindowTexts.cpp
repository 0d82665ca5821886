// SPDX-License-Identifier: MIT
// Prints what the visible windows of the program under test show, read the
// way assistive technology reads them, through Microsoft Active
// Accessibility: each top-level window of Vindel's forms and of its boxes,
// then each visible child of its accessible object, with the class of the
// child's window and its accessible name (a label's or box text's text, an
// input's name, a button's caption), and the value where it has one; one
// line each, UTF-8. Run under wine beside the program; the end-to-end test
// reads its output.
//
//   window <class> <owned|unowned> <caption>
//     <child class> <accessible name>[ value="<value>"][ protected]
//
// A protected child is the password box: its value, the switch password, is
// never asked for.
#include <windows.h>
// After windows.h, whose types they use.
#include <oleacc.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "common/Win32.h"

namespace {

using Microsoft::WRL::ComPtr;

std::string Utf8(std::wstring_view text) {
    return vindel::ToUtf8(vindel::FromWide(text));
}

// The window's text as its window procedure gives it, across processes.
std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

// The text of a BSTR, which is then freed.
std::wstring Take(BSTR text) {
    std::wstring taken = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : L"";
    ::SysFreeString(text);
    return taken;
}

// A child window's accessible object as a client object: wine hands out a
// window's children as window objects that tell neither name nor value, and
// on Windows the window object's one child is the client object.
ComPtr<IAccessible> ClientOf(IDispatch& child, HWND& window) {
    ComPtr<IOleWindow> ole;
    ComPtr<IAccessible> client;
    if (FAILED(child.QueryInterface(IID_PPV_ARGS(&ole))) || FAILED(ole->GetWindow(&window)) ||
        FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                            IID_PPV_ARGS(&client))))
        return nullptr;
    return client;
}

void PrintChild(IAccessible& object, HWND window) {
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT state;
    ::VariantInit(&state);
    const LONG flags =
        SUCCEEDED(object.get_accState(self, &state)) && state.vt == VT_I4 ? state.lVal : 0;
    if ((flags & STATE_SYSTEM_INVISIBLE) != 0)
        return;
    BSTR name = nullptr;
    (void)object.get_accName(self, &name);
    std::string line = "  " + Utf8(ClassOf(window)) + " " + Utf8(Take(name));
    if ((flags & STATE_SYSTEM_PROTECTED) != 0) {
        line += " protected";
    } else {
        BSTR value = nullptr;
        const std::wstring shown =
            SUCCEEDED(object.get_accValue(self, &value)) ? Take(value) : std::wstring();
        if (!shown.empty())
            line += " value=\"" + Utf8(shown) + "\"";
    }
    std::printf("%s\n", line.c_str());
}

void PrintChildren(HWND form) {
    ComPtr<IAccessible> client;
    if (FAILED(::AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_CLIENT),
                                            IID_PPV_ARGS(&client))))
        return;
    LONG count = 0;
    if (FAILED(client->get_accChildCount(&count)) || count <= 0)
        return;
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    if (FAILED(::AccessibleChildren(client.Get(), 0, count, children.data(), &obtained)))
        return;
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        HWND window = nullptr;
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            if (const ComPtr<IAccessible> object = ClientOf(*child.pdispVal, window))
                PrintChild(*object.Get(), window);
        }
        ::VariantClear(&child);
    }
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    const std::wstring name = ClassOf(window);
    if (!::IsWindowVisible(window) || (name != L"VindelForm" && name != L"#32770"))
        return TRUE;
    const bool owned = ::GetWindow(window, GW_OWNER) != nullptr;
    std::printf("window %s %s %s\n", Utf8(name).c_str(), owned ? "owned" : "unowned",
                Utf8(TextOf(window)).c_str());
    PrintChildren(window);
    return TRUE;
}

}  // namespace

int main() {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 2;
    ::EnumWindows(PrintWindow, 0);
    std::fflush(stdout);
    ::CoUninitialize();
    return 0;
}
