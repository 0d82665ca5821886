// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <string_view>

namespace vindel::win32 {

// What assistive technology reads of an input: the system's own accessible
// object for its window (role, value, state, children, place), with the
// name the window's description gives it. wine's standard objects, unlike
// Windows', don't take an input's name from the label before it, and no
// label stands before some of them; so the name is told, the same on both.
//
// The system's accessibility library (oleacc, with COM) is loaded the first
// time a client asks, so that a program nobody reads doesn't load it at
// start-up. A password box's standard object marks it protected and gives
// no value; that is kept.
class NamedAccessible final : public IAccessible {
  public:
    // The answer to WM_GETOBJECT for `window`, named `name`: none where the
    // request is not for the window's client object or the library can't be
    // had, and the window procedure answers as it would have.
    static std::optional<LRESULT> Answer(HWND window, WPARAM wParam, LPARAM lParam,
                                         std::u16string_view name);

    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrongArgument) override;

    // IAccessible: the name of the input itself is ours, the rest the
    // standard object's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  private:
    NamedAccessible(Microsoft::WRL::ComPtr<IAccessible> standard, std::u16string_view name);
    ~NamedAccessible() = default;

    Microsoft::WRL::ComPtr<IAccessible> standard_;
    std::wstring name_;
    ULONG references_ = 1;
};

}  // namespace vindel::win32
