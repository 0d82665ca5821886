// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>

#include "ProgramWindows.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

TEST(Windows, CaptionsSizesAndOwnership) {
    const auto program = testing::StartWindows();
    EXPECT_EQ(program->application.MainForm, Form1);
    struct Expected {
        QWidget& form;
        QPoint position;
        QSize client;
    };
    QWidget& form1 = qt::WidgetOf(*Form1);
    QWidget& form2 = qt::WidgetOf(*Form2);
    for (const auto& [form, position, client] :
         {Expected{form1, {200, 0}, {969, 669}}, Expected{form2, {200, 50}, {924, 429}}}) {
        EXPECT_EQ(form.windowTitle(), "Vindel");
        EXPECT_EQ(form.size(), client);
        EXPECT_EQ(form.pos(), position);
        EXPECT_EQ(form.palette().color(QPalette::Window), Qt::white);
    }
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(form2.parentWidget(), &form1);
    EXPECT_TRUE(form2.isWindow());
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
}

}  // namespace
}  // namespace vindel
