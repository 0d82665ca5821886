// SPDX-License-Identifier: MIT
#include "ui/win32/ComApartment.h"

#include <objbase.h>

#include "ui/win32/LastError.h"

namespace vindel::win32 {

ComApartment::ComApartment() {
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: this thread was in the apartment already; it still counts.
    if (FAILED(result))
        ThrowResult(u"CoInitializeEx", result);
    entered_ = true;
}

ComApartment::~ComApartment() {
    if (entered_)
        ::CoUninitialize();
}

}  // namespace vindel::win32
