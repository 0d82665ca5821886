// SPDX-License-Identifier: MIT
#include "AccessibleFacts.h"

// After windows.h, whose types they use.
#include <oleacc.h>
#include <wrl/client.h>

namespace vindel::testing {
namespace {

// The text of a BSTR, which is then freed; none for a null one.
std::optional<std::u16string> TakeText(BSTR text) {
    if (text == nullptr)
        return std::nullopt;
    std::u16string taken(reinterpret_cast<const char16_t*>(text), ::SysStringLen(text));
    ::SysFreeString(text);
    return taken;
}

}  // namespace

std::optional<AccessibleFacts> ReadAccessible(HWND window) {
    // The thread of the windows under test: COM once for it.
    static const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com))
        return std::nullopt;
    Microsoft::WRL::ComPtr<IAccessible> object;
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                            IID_PPV_ARGS(&object))))
        return std::nullopt;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    AccessibleFacts facts;
    BSTR name = nullptr;
    if (object->get_accName(self, &name) == S_OK)
        facts.name = TakeText(name);
    VARIANT state;
    ::VariantInit(&state);
    if (SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4) {
        facts.isProtected = (state.lVal & STATE_SYSTEM_PROTECTED) != 0;
        facts.invisible = (state.lVal & STATE_SYSTEM_INVISIBLE) != 0;
    }
    BSTR value = nullptr;
    if (!facts.isProtected && object->get_accValue(self, &value) == S_OK)
        facts.value = TakeText(value);
    return facts;
}

}  // namespace vindel::testing
