// SPDX-License-Identifier: MIT
#include "ui/win32/NoticeBox.h"

#include <commctrl.h>

#include <algorithm>

#include "common/Exception.h"
#include "common/Win32.h"
#include "ui/win32/DialogTemplate.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {
namespace {

using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// Found at run time: version 5 of the common controls has no task dialog.
TaskDialogIndirectFunction FindTaskDialog() {
    const HMODULE controls = ::GetModuleHandleW(L"comctl32.dll");
    if (controls == nullptr)
        return nullptr;
    return reinterpret_cast<TaskDialogIndirectFunction>(
        reinterpret_cast<void*>(::GetProcAddress(controls, "TaskDialogIndirect")));
}

void MoveCentredIn(HWND window, const RECT& area) {
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WorkAreaOfMonitorHolding(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

HRESULT CALLBACK CentreTaskDialog(HWND dialog, UINT notification, WPARAM, LPARAM, LONG_PTR owner) {
    if (notification == TDN_CREATED)
        MoveCentredIn(dialog, WorkAreaOfMonitorHolding(reinterpret_cast<HWND>(owner)));
    return S_OK;
}

void ShowTaskDialog(TaskDialogIndirectFunction taskDialog, HWND owner,
                    const std::u16string& caption, const std::u16string& text) {
    const std::wstring wideCaption = Wide(caption);
    const std::wstring wideText = Wide(text);
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    // Closing the box (its close button, Escape) dismisses it like "OK".
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.nDefaultButton = IDOK;
    config.pszWindowTitle = wideCaption.c_str();
    config.pszContent = wideText.c_str();
    config.pfCallback = &CentreTaskDialog;
    config.lpCallbackData = reinterpret_cast<LONG_PTR>(owner);
    const HRESULT result = taskDialog(&config, nullptr, nullptr, nullptr);
    if (FAILED(result))
        ThrowResult(u"TaskDialogIndirect", result);
}

// The small dialog: the text, and "OK" centred under it.
constexpr WORD kTextId = 100;
constexpr int kMarginUnits = 7;
constexpr SIZE kButtonUnits{50, 14};
constexpr int kMinimumWidthUnits = 120;

RECT DialogUnits(HWND dialog, RECT units) {
    ::MapDialogRect(dialog, &units);
    return units;
}

SIZE MeasureText(HWND control, const std::wstring& text, int widthLimit) {
    const HDC dc = ::GetDC(control);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = ::SelectObject(dc, font);
    RECT bounds{0, 0, widthLimit, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return {bounds.right, std::max<LONG>(bounds.bottom, 1)};
}

void LayOutSmallDialog(HWND dialog, const std::wstring& text) {
    const HWND textControl = ::GetDlgItem(dialog, kTextId);
    const HWND button = ::GetDlgItem(dialog, IDOK);
    const RECT margin = DialogUnits(dialog, {0, 0, kMarginUnits, kMarginUnits});
    const RECT buttonSize = DialogUnits(dialog, {0, 0, kButtonUnits.cx, kButtonUnits.cy});
    const RECT minimum = DialogUnits(dialog, {0, 0, kMinimumWidthUnits, 0});
    const SIZE textSize = MeasureText(textControl, text, ::GetSystemMetrics(SM_CXSCREEN) * 2 / 3);

    const int clientWidth =
        std::max({textSize.cx, buttonSize.right, minimum.right}) + 2 * margin.right;
    const int buttonTop = margin.bottom + textSize.cy + margin.bottom;
    const int clientHeight = buttonTop + buttonSize.bottom + margin.bottom;
    ::MoveWindow(textControl, margin.right, margin.bottom, textSize.cx, textSize.cy, FALSE);
    ::MoveWindow(button, (clientWidth - buttonSize.right) / 2, buttonTop, buttonSize.right,
                 buttonSize.bottom, FALSE);

    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    ::SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    MoveCentredIn(dialog, screen);
}

// Nothing in here allocates or throws: the text comes measured from the
// caller's string.
INT_PTR CALLBACK SmallDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            LayOutSmallDialog(dialog, *reinterpret_cast<const std::wstring*>(lParam));
            return TRUE;  // the focus goes to "OK"
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(dialog, IDOK);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

void ShowSmallDialog(HWND owner, const std::u16string& caption, const std::u16string& text) {
    DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, caption,
                          u"MS Shell Dlg", 8, {kMinimumWidthUnits, 60});
    dialog.AddItem(DialogTemplate::ItemClass::Static, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                   {0, 0, 1, 1}, kTextId, text);
    dialog.AddItem(DialogTemplate::ItemClass::Button,
                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {0, 0, 1, 1}, IDOK,
                   u"OK");
    const std::wstring wideText = Wide(text);
    if (::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner,
                                  &SmallDialogProc, reinterpret_cast<LPARAM>(&wideText)) == -1)
        ThrowLastError(u"DialogBoxIndirectParamW");
}

}  // namespace

bool TaskDialogAvailable() {
    return FindTaskDialog() != nullptr;
}

void ShowNoticeBox(HWND owner, const std::u16string& caption, const std::u16string& text,
                   NoticeStyle style) {
    const TaskDialogIndirectFunction taskDialog =
        style == NoticeStyle::SmallDialog ? nullptr : FindTaskDialog();
    if (taskDialog != nullptr) {
        ShowTaskDialog(taskDialog, owner, caption, text);
        return;
    }
    if (style == NoticeStyle::TaskDialog)
        throw Exception(u"The task dialog is not available");
    ShowSmallDialog(owner, caption, text);
}

}  // namespace vindel::win32
