// SPDX-License-Identifier: MIT
#include "win32/Win32Windows.h"

#include <gtest/gtest.h>

#include "common/Exception.h"
#include "ui/win32/ButtonAdapter.h"
#include "ui/win32/ComboBoxAdapter.h"
#include "ui/win32/EditBoxAdapter.h"
#include "ui/win32/LabelAdapter.h"
#include "ui/win32/PictureAdapter.h"

namespace vindel::testing::win32 {
namespace {

using namespace vindel::win32;

Win32Toolkit* current = nullptr;

template <typename Adapter>
const vindel::win32::Control* AsAdapter(const vindel::Control& control) {
    const auto* adapter = dynamic_cast<const Adapter*>(&control);
    return adapter != nullptr ? &adapter->Window() : nullptr;
}

}  // namespace

Win32Toolkit& CurrentToolkit() {
    if (current == nullptr)
        throw Exception(u"The window tests made no Win32 toolkit");
    return *current;
}

void SetCurrentToolkit(Win32Toolkit* toolkit) noexcept {
    current = toolkit;
}

Shell& CurrentShell() {
    return CurrentToolkit().GetShell();
}

const vindel::win32::Control& Win32ControlOf(const vindel::Control& control) {
    for (const auto* found :
         {AsAdapter<LabelAdapter>(control), AsAdapter<PictureAdapter>(control),
          AsAdapter<ComboBoxAdapter>(control), AsAdapter<EditBoxAdapter>(control),
          AsAdapter<ButtonAdapter>(control)}) {
        if (found != nullptr)
            return *found;
    }
    throw Exception(u"A control of no Win32 kind");
}

HWND HandleOf(const vindel::Control& control) {
    return Win32ControlOf(control).Handle();
}

HWND InputHandleOf(const vindel::Control& control) {
    if (const auto* combo = dynamic_cast<const ComboBoxAdapter*>(&control))
        return combo->Window().EditHandle();
    return HandleOf(control);
}

const FormAdapter& AdapterOf(const TForm& window) {
    return dynamic_cast<const FormAdapter&>(window.Window());
}

HWND HandleOf(const TForm& window) {
    return AdapterOf(window).Window().Handle();
}

}  // namespace vindel::testing::win32
