#include <gtest/gtest.h>
#include <cstdio>
#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "ui/win32/ComboBox.h"
namespace vindel::win32::testing {
TEST(Debug, Combo) {
    Shell shell;
    Form form(shell, kMainDesign);
    ComboBox box(form, {{230, 92, 145, 26}, kCalibri15});
    box.Refill({u"SG300-10", u"SG300-20"});
    form.Show();
    WaitUntil(shell, [&] { return ::GetFocus() == box.EditHandle(); });
    box.SetChangeHandler([&] { std::printf("change %d\n", box.ItemIndex()); });
    std::printf("setcursel ret %d\n", (int)SendMessageW(box.Handle(), CB_SETCURSEL, 1, 0));
    std::printf("after setcursel %d\n", box.ItemIndex());
    Type(shell, box.EditHandle(), u"s");
    std::printf("after s %d\n", box.ItemIndex());
    Type(shell, box.EditHandle(), u"G");
    std::printf("after G %d\n", box.ItemIndex());
    RECT r; GetClientRect(form.Handle(), &r);
    DWORD t0 = GetTickCount();
    { Form f2(shell, kMainDesign); std::printf("form ctor+dtor %lu ms\n", GetTickCount() - t0); }
    t0 = GetTickCount();
    { Form f2(shell, kMainDesign); f2.Show(); std::printf("form show %lu ms\n", GetTickCount() - t0); t0 = GetTickCount(); }
    std::printf("form destroy %lu ms\n", GetTickCount() - t0);
}
}
