// SPDX-License-Identifier: MIT
// The program's main window under wine at 150 % (144 dots per inch) on a
// 1920 x 1080 screen whose window manager keeps a strip free for a panel:
// it lies in the work area, "Connect" included, and no two of its labels
// run into each other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Driving.h"
#include "LabelInk.h"
#include "ProgramWindows.h"
#include "Win32Windows.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/Telnet.h"
#include "ui/win32/Label.h"

namespace vindel {
namespace {

using testing::LabelInk;

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(WorkAreaTest, At150PercentTheMainWindowFitsTheWorkAreaAndItsLabelsDontOverlap) {
    const auto program = testing::StartWindows();
    ASSERT_TRUE(testing::Activate(*Form1));
    ASSERT_EQ(testing::CurrentToolkit().ScreenDpi().DotsPerInch(), 144);
    const HWND window = testing::HandleOf(*Form1);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT work = monitor.rcWork;
    ASSERT_EQ(monitor.rcMonitor.bottom, 1080);
    ASSERT_LT(work.bottom, 1080) << "no panel";

    RECT frame{};
    EXPECT_TRUE(testing::WaitFor([&] {
        ::GetWindowRect(window, &frame);
        return Inside(frame, work);
    })) << frame.top
        << " to " << frame.bottom << ", work area " << work.top << " to " << work.bottom;
    RECT button{};
    ::GetWindowRect(testing::HandleOf(*Form1->Button1), &button);
    EXPECT_TRUE(Inside(button, work)) << "Connect down to " << button.bottom;
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_LT(client.bottom, 1004);
    EXPECT_NEAR(client.right * 669.0 / client.bottom, 969, 2);

    // With a model chosen every value label shows over its sentence.
    testing::PickEntry(*Form1->Probox, 0);
    ASSERT_EQ(Form1->Label13->Caption(), u"Port G10");
    std::vector<std::pair<std::string, LabelInk>> inks;
    for (const auto& [name, control] : testing::Win32FormOf(*Form1).Controls()) {
        const auto* label = dynamic_cast<const win32::Label*>(control.get());
        if (label != nullptr && label->Visible() &&
            label->Caption().find_first_not_of(u' ') != std::u16string::npos)
            inks.emplace_back(name, LabelInk(*label));
    }
    ASSERT_GE(inks.size(), 15U);
    for (std::size_t i = 0; i < inks.size(); ++i) {
        for (std::size_t j = i + 1; j < inks.size(); ++j)
            EXPECT_FALSE(inks[i].second.Overlaps(inks[j].second))
                << inks[i].first << " and " << inks[j].first;
    }
}

}  // namespace
}  // namespace vindel
