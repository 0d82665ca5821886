// SPDX-License-Identifier: MIT
#include "ui/win32/NamedAccessible.h"

#include <utility>

#include "common/Win32.h"

namespace vindel::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// Not the IID_ constants: mingw-w64's oleacc import library exports a
// symbol IID_IAccessible too, and linked before uuid, that one (the bytes of
// an import stub) would be taken.
constexpr IID kIAccessible = __uuidof(IAccessible);

template <typename F>
F Function(HMODULE module, const char* name) {
    if (module == nullptr)
        return nullptr;
    // Through void (*)(): the FARPROC that GetProcAddress gives is taken for
    // a mismatch otherwise.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// The functions of the accessibility library and of COM that the answer
// needs, found the first time a client asks. The libraries stay loaded
// until the program ends: the objects handed out run their code and call
// into them for as long as a client holds them.
struct Libraries final {
    Libraries() {
        const HMODULE com = ::LoadLibraryW(L"ole32.dll");
        const HMODULE automation = ::LoadLibraryW(L"oleaut32.dll");
        const HMODULE accessibility = ::LoadLibraryW(L"oleacc.dll");
        coInitializeEx = Function<decltype(&::CoInitializeEx)>(com, "CoInitializeEx");
        sysAllocStringLen =
            Function<decltype(&::SysAllocStringLen)>(automation, "SysAllocStringLen");
        createStandard = Function<decltype(&::CreateStdAccessibleObject)>(
            accessibility, "CreateStdAccessibleObject");
        resultFromObject =
            Function<decltype(&::LresultFromObject)>(accessibility, "LresultFromObject");
        // The answer goes out through COM, on the thread of the windows.
        usable = coInitializeEx != nullptr && sysAllocStringLen != nullptr &&
                 createStandard != nullptr && resultFromObject != nullptr &&
                 SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }

    decltype(&::CoInitializeEx) coInitializeEx = nullptr;
    decltype(&::SysAllocStringLen) sysAllocStringLen = nullptr;
    decltype(&::CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&::LresultFromObject) resultFromObject = nullptr;
    bool usable = false;
};

const Libraries& Loaded() {
    static const Libraries libraries;
    return libraries;
}

}  // namespace

std::optional<LRESULT> NamedAccessible::Answer(HWND window, WPARAM wParam, LPARAM lParam,
                                               std::u16string_view name) {
    // wine hands the object identifier over zero-extended on 64 bits.
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return std::nullopt;
    const Libraries& libraries = Loaded();
    if (!libraries.usable)
        return std::nullopt;
    ComPtr<IAccessible> standard;
    if (FAILED(libraries.createStandard(window, OBJID_CLIENT, kIAccessible,
                                        reinterpret_cast<void**>(standard.GetAddressOf()))))
        return std::nullopt;
    // COM's own reference counting ends the object: Release deletes it.
    auto* named = new NamedAccessible(std::move(standard), name);
    const LRESULT result = libraries.resultFromObject(kIAccessible, wParam, named);
    named->Release();  // the result holds a reference of its own
    return result;
}

NamedAccessible::NamedAccessible(ComPtr<IAccessible> standard, std::u16string_view name)
    : standard_(std::move(standard)), name_(Wide(name)) {}

HRESULT NamedAccessible::QueryInterface(REFIID id, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == kIAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    // The children and the window come from the standard object; nothing
    // else does, so that COM hands clients this object and not that one.
    if (id == __uuidof(IEnumVARIANT) || id == __uuidof(IOleWindow))
        return standard_->QueryInterface(id, object);
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG NamedAccessible::AddRef() {
    return ++references_;
}

ULONG NamedAccessible::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT NamedAccessible::GetTypeInfoCount(UINT* count) {
    return standard_->GetTypeInfoCount(count);
}

HRESULT NamedAccessible::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return standard_->GetTypeInfo(index, locale, info);
}

HRESULT NamedAccessible::GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                       DISPID* ids) {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
}

HRESULT NamedAccessible::Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                UINT* wrongArgument) {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                             wrongArgument);
}

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr)
        return E_POINTER;
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
        return standard_->get_accName(child, name);
    *name = Loaded().sysAllocStringLen(name_.c_str(), static_cast<UINT>(name_.size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT NamedAccessible::get_accParent(IDispatch** parent) {
    return standard_->get_accParent(parent);
}

HRESULT NamedAccessible::get_accChildCount(LONG* count) {
    return standard_->get_accChildCount(count);
}

HRESULT NamedAccessible::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}

HRESULT NamedAccessible::get_accValue(VARIANT child, BSTR* value) {
    return standard_->get_accValue(child, value);
}

HRESULT NamedAccessible::get_accDescription(VARIANT child, BSTR* text) {
    return standard_->get_accDescription(child, text);
}

HRESULT NamedAccessible::get_accRole(VARIANT child, VARIANT* role) {
    return standard_->get_accRole(child, role);
}

HRESULT NamedAccessible::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}

HRESULT NamedAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return standard_->get_accHelp(child, help);
}

HRESULT NamedAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}

HRESULT NamedAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* keys) {
    return standard_->get_accKeyboardShortcut(child, keys);
}

HRESULT NamedAccessible::get_accFocus(VARIANT* child) {
    return standard_->get_accFocus(child);
}

HRESULT NamedAccessible::get_accSelection(VARIANT* children) {
    return standard_->get_accSelection(children);
}

HRESULT NamedAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}

HRESULT NamedAccessible::accSelect(LONG flags, VARIANT child) {
    return standard_->accSelect(flags, child);
}

HRESULT NamedAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}

HRESULT NamedAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}

HRESULT NamedAccessible::accHitTest(LONG left, LONG top, VARIANT* child) {
    return standard_->accHitTest(left, top, child);
}

HRESULT NamedAccessible::accDoDefaultAction(VARIANT child) {
    return standard_->accDoDefaultAction(child);
}

HRESULT NamedAccessible::put_accName(VARIANT child, BSTR name) {
    return standard_->put_accName(child, name);
}

HRESULT NamedAccessible::put_accValue(VARIANT child, BSTR value) {
    return standard_->put_accValue(child, value);
}

}  // namespace vindel::win32
