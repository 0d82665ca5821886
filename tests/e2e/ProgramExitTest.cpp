// SPDX-License-Identifier: MIT
// The whole program, from its entry to its exit code, against the simulated
// switch in a private network. Each run is a process of its own (a death
// test), so that the exit code is the one the operator's system would see.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <string>

#include "Driving.h"
#include "PrivateNetwork.h"
#include "ProgramWindows.h"
#include "ScratchDirectory.h"
#include "SimulatedSwitch.h"
#include "SkipOrFail.h"
#include "ThreadCount.h"
#include "qt/ModalBoxes.h"
#include "ui/Diagram.h"
#include "ui/Program.h"
#include "ui/Telnet.h"
#include "ui/qt/ProgramEntry.h"

namespace vindel {
namespace {

// Set by main before anything else runs: empty once the process is in its
// own network, where 127.0.0.1 port 23 is ours.
std::string privateNetworkFailure = "not tried";

char programName[] = "Vindel";
char* arguments[] = {programName, nullptr};

// What the operator does: a whole run, after which Vindel keeps the
// connection open; the switch resets it; then "Close" on the diagram window
// ends the program. The reset is met by the receiving thread when
// `waitForReceivingThread` (the program is closed once that thread has
// ended), else by whichever thread comes first. Returns the program entry's
// code, or 100 after saying on stderr what went otherwise.
int RunResetAndClose(bool waitForReceivingThread) {
    testing::ScratchDirectory scratch("program-exit");
    SimulatedSwitch sim({});
    std::string problem;
    int argc = 1;
    const int code = qt::ProgramEntry(argc, arguments, [&](TApplication& application) {
        CreateWindows(application);
        QTimer::singleShot(0, [&] {
            if (!testing::Activate(*Form1)) {
                problem = "the main window never became active";
                return;
            }
            testing::ChooseSetup(0, 1, 1);
            testing::HurryProvisioning();
            const int threads = testing::ThreadCount();
            QStringList texts;
            {
                testing::ModalBoxAcceptor boxes;
                Form1->Button1->Click();
                for (const auto& box : boxes.boxes())
                    texts << box.text;
            }
            if (texts != QStringList({"Please watting few minute!", "Setup Complete!"}))
                problem = "the run ended with: " + texts.join(" | ").toStdString();
            sim.ResetConnection();
            if (!QTest::qWaitFor([&] { return sim.Resets() == 1; }, 5000))
                problem = "the switch did not reset the connection";
            if (waitForReceivingThread &&
                !QTest::qWaitFor([&] { return testing::ThreadCount() == threads; }, 5000))
                problem = "the receiving thread outlived the reset";
            Form2->BitBtn1->Click();  // "Close": the diagram window, then the main one
        });
    });
    if (!problem.empty()) {
        std::cerr << problem << '\n';
        return 100;
    }
    return code;
}

TEST(ProgramExitTest, ResetAfterACompletedRunThenClosedEndsWithZero) {
    if (!privateNetworkFailure.empty())
        VINDEL_SKIP_OR_FAIL("no private network: " + privateNetworkFailure);
    for (const bool waitForReceivingThread : {true, false}) {
        SCOPED_TRACE(waitForReceivingThread ? "closed once the receiving thread met the reset"
                                            : "closed at once");
        EXPECT_EXIT(std::exit(RunResetAndClose(waitForReceivingThread)),
                    ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace
}  // namespace vindel

int main(int argc, char** argv) {
    // Before Qt or anything else starts a thread. A death test's process
    // starts here too, and makes a network of its own.
    vindel::privateNetworkFailure = vindel::testing::EnterPrivateNetwork();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    // Each death test runs in a fresh process of this program, not in a fork
    // of one that may have threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
