// SPDX-License-Identifier: MIT
#include "ui/win32/Shell.h"

#include <commctrl.h>

#include <algorithm>

#include "common/Exception.h"
#include "common/Win32.h"
#include "ui/win32/Form.h"
#include "ui/win32/LastError.h"
#include "ui/win32/ModalBoxScope.h"

namespace vindel::win32 {
namespace {

// Posted to the hidden window by WakeUp.
constexpr UINT kWakeUpMessage = WM_APP + 1;

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

// The program icon, where the program has one; the system's otherwise.
HICON ProgramIcon(HINSTANCE instance) {
    const HICON icon = ::LoadIconW(instance, L"MAINICON");
    return icon != nullptr ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

Shell::Shell()
    : instance_(ThisModule()),
      dpi_(Dpi::OfScreen()),
      form_class_(instance_, L"VindelForm", &Form::WindowProc, nullptr, ProgramIcon(instance_)),
      application_class_(instance_, L"VindelApplication", &Shell::WindowProc, nullptr) {
    // The standard controls in the version the program's manifest asks for.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    window_.Reset(::CreateWindowExW(WS_EX_TOOLWINDOW, application_class_.Name(), L"", WS_POPUP, 0,
                                    0, 0, 0, nullptr, nullptr, instance_, nullptr));
    if (!window_)
        ThrowLastError(u"CreateWindowExW");
    ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Shell::~Shell() {
    window_.Reset();
}

LRESULT CALLBACK Shell::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* shell = reinterpret_cast<Shell*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (shell != nullptr && message == kWakeUpMessage) {
        shell->RunGuarded([shell] {
            if (shell->wake_up_handler_)
                shell->wake_up_handler_();
        });
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void Shell::ReportFailure(std::exception_ptr failure) noexcept {
    try {
        if (failure_handler_) {
            failure_handler_(failure);
            return;
        }
        try {
            std::rethrow_exception(failure);
        } catch (const Exception& e) {
            ShowError(e.Message());
        } catch (...) {
            ShowError(u"");
        }
    } catch (...) {
        // Reporting failed too; there is nowhere left to report it.
    }
}

void Shell::WakeUp() noexcept {
    ::PostMessageW(window_.get(), kWakeUpMessage, 0, 0);
}

void Shell::Dispatch(MSG& message) {
    // Tab, the arrow keys and the like move between a form's controls.
    if (message.hwnd != nullptr) {
        const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
        const bool ours = std::any_of(forms_.begin(), forms_.end(),
                                      [root](const Form* form) { return form->Handle() == root; });
        if (ours && ::IsDialogMessageW(root, &message))
            return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void Shell::RunLoop() {
    // Until the quit request itself is taken, so none is left in the queue
    // for a loop that runs later on this thread.
    MSG message;
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            break;
        if (got == -1)
            ThrowLastError(u"GetMessageW");
        Dispatch(message);
    }
    terminated_ = true;
}

bool Shell::ProcessMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            return false;
        }
        Dispatch(message);
    }
    return !terminated_;
}

void Shell::Terminate() {
    terminated_ = true;
    ::PostQuitMessage(0);
}

void Shell::ShowError(const std::u16string& text) {
    const ModalBoxScope scope(*this);
    ::MessageBoxW(scope.Owner(), Wide(text).c_str(), Wide(title_).c_str(),
                  MB_OK | MB_ICONSTOP | MB_APPLMODAL);
}

void Shell::ShowNotice(const std::u16string& text, NoticeStyle style) {
    const ModalBoxScope scope(*this);
    ShowNoticeBox(scope.Owner(), title_, text, style);
}

int Shell::StartupShowCommand() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

void Shell::SetBusy(bool busy) {
    busy_depth_ = std::max(0, busy_depth_ + (busy ? 1 : -1));
    // The cursor changes now where it lies over one of the program's
    // windows; elsewhere, once it comes over one (the forms answer
    // WM_SETCURSOR).
    POINT at{};
    if (!::GetCursorPos(&at))
        return;
    const HWND under = ::WindowFromPoint(at);
    const HWND root = under != nullptr ? ::GetAncestor(under, GA_ROOT) : nullptr;
    const bool ours = std::any_of(forms_.begin(), forms_.end(),
                                  [root](const Form* form) { return form->Handle() == root; });
    if (ours)
        ::SetCursor(::LoadCursorW(nullptr, Busy() ? IDC_WAIT : IDC_ARROW));
}

void Shell::AddForm(Form& form) {
    forms_.push_back(&form);
}

void Shell::RemoveForm(Form& form) noexcept {
    std::erase(forms_, &form);
    if (active_form_ == &form)
        active_form_ = nullptr;
}

void Shell::FormActivated(Form& form) {
    if (active_form_ == &form)
        return;
    active_form_ = &form;
    if (!destroying_form_ && !terminated_)
        form.RunActivationHandler();
}

void Shell::FormHidden(Form& form) noexcept {
    if (active_form_ == &form)
        active_form_ = nullptr;
}

HWND Shell::BoxOwner() const {
    // A box over a box belongs to the box.
    const HWND active = ::GetActiveWindow();
    if (active != nullptr && ::IsWindowVisible(active))
        return active;
    if (active_form_ != nullptr && ::IsWindowVisible(active_form_->Handle()))
        return active_form_->Handle();
    return window_.get();
}

}  // namespace vindel::win32
