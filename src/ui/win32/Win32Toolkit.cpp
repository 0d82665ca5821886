// SPDX-License-Identifier: MIT
#include "ui/win32/Win32Toolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ResourceNames.h"
#include "common/Win32.h"
#include "ui/win32/Form.h"
#include "ui/win32/LastError.h"
#include "ui/win32/ModalBoxScope.h"

namespace vindel::win32 {
namespace {

// Posted to the hidden window by PostWakeUp.
constexpr UINT kWakeUpMessage = WM_APP + 1;

// The program icon, where the program has one; the system's otherwise.
HICON ProgramIcon(HINSTANCE instance) {
    const HICON icon = ::LoadIconW(instance, resource_names::kIcon);
    return icon != nullptr ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

Win32Toolkit::Win32Toolkit(int startupShowCommand)
    : instance_(::GetModuleHandleW(nullptr)),
      dpi_(Dpi::OfScreen()),
      form_class_(instance_, L"VindelForm", &Form::WindowProc, nullptr, ProgramIcon(instance_)),
      application_class_(instance_, L"VindelApplication", &Win32Toolkit::WindowProc, nullptr),
      startup_show_command_(startupShowCommand) {
    // The standard controls in the version the program's manifest asks for.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, application_class_.Name(), L"", WS_POPUP, 0,
                                    0, 0, 0, nullptr, nullptr, instance_, nullptr));
    if (!window_)
        ThrowLastError(u"CreateWindowExW");
    ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Toolkit::~Win32Toolkit() {
    window_.reset();
    // A quit request the loop never took would end the next loop or box
    // that runs on this thread.
    MSG quit;
    if (Terminated())
        ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

LRESULT CALLBACK Win32Toolkit::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* toolkit = reinterpret_cast<Win32Toolkit*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (toolkit != nullptr && message == kWakeUpMessage) {
        toolkit->WakeUpArrived();
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

std::u16string Win32Toolkit::ProgramPath() const {
    // The path may be longer than MAX_PATH; the buffer grows until it fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            ThrowLastError(u"GetModuleFileNameW");
        if (length < path.size())
            return {path.begin(), path.begin() + length};
        path.resize(path.size() * 2);
    }
}

std::unique_ptr<vindel::Form> Win32Toolkit::MakeForm(const FormDescription& description,
                                                     vindel::Form* owner) {
    return std::make_unique<Form>(*this, description, dynamic_cast<Form*>(owner));
}

bool Win32Toolkit::Ours(HWND window) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [window](const Form* form) { return form->Handle() == window; });
}

void Win32Toolkit::Dispatch(MSG& message) {
    // Tab, the arrow keys and the like move between a form's controls.
    if (message.hwnd != nullptr) {
        const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
        if (Ours(root) && ::IsDialogMessageW(root, &message))
            return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void Win32Toolkit::RunLoop() {
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
}

bool Win32Toolkit::ProcessMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        Dispatch(message);
    }
    return !Terminated();
}

void Win32Toolkit::EndLoop() {
    ::PostQuitMessage(0);
}

void Win32Toolkit::ShowError(const std::u16string& caption, const std::u16string& text) {
    const ModalBoxScope scope(*this);
    ::MessageBoxW(scope.Owner(), Wide(text).c_str(), Wide(caption).c_str(),
                  MB_OK | MB_ICONSTOP | MB_APPLMODAL);
}

void Win32Toolkit::ShowNotice(const std::u16string& caption, const std::u16string& text) {
    ShowNotice(caption, text, NoticeStyle::Automatic);
}

void Win32Toolkit::ShowNotice(const std::u16string& caption, const std::u16string& text,
                              NoticeStyle style) {
    const ModalBoxScope scope(*this);
    ShowNoticeBox(scope.Owner(), caption, text, style);
}

void Win32Toolkit::PostWakeUp() {
    ::PostMessageW(window_.get(), kWakeUpMessage, 0, 0);
}

void Win32Toolkit::PaintPending() {
    // Messages sent to the windows (not posted) are handled inside
    // PeekMessageW whatever the filter: the window system's close requests
    // among them, which the rules refuse while pausing.
    MSG message;
    while (::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageW(&message);
}

void Win32Toolkit::WaitForPainting(std::chrono::milliseconds most) {
    ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(most.count()), QS_PAINT, 0);
}

void Win32Toolkit::ShowBusyCursor() {
    ++busy_depth_;
    UpdateCursor();
}

void Win32Toolkit::RestoreCursor() {
    busy_depth_ = std::max(0, busy_depth_ - 1);
    UpdateCursor();
}

void Win32Toolkit::UpdateCursor() const {
    // The cursor changes now where it lies over one of the program's
    // windows; elsewhere, once it comes over one (the forms answer
    // WM_SETCURSOR).
    POINT at{};
    if (!::GetCursorPos(&at))
        return;
    const HWND under = ::WindowFromPoint(at);
    if (under != nullptr && Ours(::GetAncestor(under, GA_ROOT)))
        ::SetCursor(::LoadCursorW(nullptr, Busy() ? IDC_WAIT : IDC_ARROW));
}

void Win32Toolkit::AddForm(Form& form) {
    forms_.push_back(&form);
}

void Win32Toolkit::RemoveForm(Form& form) noexcept {
    std::erase(forms_, &form);
    FormHidden(form);
}

HWND Win32Toolkit::BoxOwner() const {
    // A box over a box belongs to the box.
    const HWND active = ::GetActiveWindow();
    if (active != nullptr && ::IsWindowVisible(active))
        return active;
    const auto* form = dynamic_cast<const Form*>(ActiveForm());
    if (form != nullptr && ::IsWindowVisible(form->Handle()))
        return form->Handle();
    return window_.get();
}

int Win32Toolkit::TakeStartupShowCommand() noexcept {
    if (std::exchange(startup_shown_, true))
        return SW_SHOW;
    return startup_show_command_;
}

}  // namespace vindel::win32
