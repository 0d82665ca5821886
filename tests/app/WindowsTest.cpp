#include <gtest/gtest.h>

#include <QApplication>

#include "app/Application.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

namespace vindel {
namespace {

TEST(Windows, CaptionsSizesAndOwnership) {
    TApplication application(*qApp);
    application.CreateForm(Form1);
    application.CreateForm(Form2);
    EXPECT_EQ(application.MainForm, Form1);
    struct Expected {
        QWidget* form;
        QPoint position;
        QSize client;
    };
    for (const auto& [form, position, client] :
         {Expected{Form1, {200, 0}, {969, 669}}, Expected{Form2, {200, 50}, {924, 429}}}) {
        EXPECT_EQ(form->windowTitle(), "Vindel");
        EXPECT_EQ(form->size(), client);
        EXPECT_EQ(form->pos(), position);
        EXPECT_EQ(form->palette().color(QPalette::Window), Qt::white);
    }
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->parentWidget(), Form1);
    EXPECT_TRUE(Form2->isWindow());
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
}

}  // namespace
}  // namespace vindel
