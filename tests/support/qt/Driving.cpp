// SPDX-License-Identifier: MIT
// The window tests' driving on Qt: real mouse and key events through QTest.
#include "Driving.h"

#include <QtTest/qtestspontaneevent.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "ProgramWindows.h"
#include "qt/ModalBoxes.h"
#include "ui/qt/QtToolkit.h"
#include "ui/qt/Widgets.h"

namespace vindel::testing {

using qt::WidgetOf;

std::unique_ptr<Toolkit> MakeToolkit() {
    return std::make_unique<qt::QtToolkit>(*qApp);
}

bool Activate(TForm& window) {
    QWidget& widget = WidgetOf(window);
    widget.show();
    widget.activateWindow();
    // The widget layer learns of the activation after the window system.
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &widget; }, 5000);
}

void CloseFromWindowSystem(TForm& window) {
    // As the platform delivers it: a spontaneous close event to the
    // widget's window, which asks the widget and hides it if it agrees.
    QWindow* system = WidgetOf(window).windowHandle();
    if (system == nullptr) {
        ADD_FAILURE() << "the window has no window of the window system's";
        return;
    }
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::instance()->notify(system, &close);
}

void PickEntry(ComboBox& combo, int row) {
    auto& box = WidgetOf<QComboBox>(combo);
    if (row < 0 || row >= box.count()) {
        ADD_FAILURE() << box.objectName().toStdString() << " has no entry " << row;
        return;
    }
    box.showPopup();
    QAbstractItemView* list = box.view();
    if (!QTest::qWaitForWindowExposed(list->window()))
        return;
    const QModelIndex entry = list->model()->index(row, 0);
    list->scrollTo(entry);  // the list shows eight entries at a time
    const QRect rect = list->visualRect(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

bool ClickInto(Control& control) {
    QWidget& widget = WidgetOf(control);
    // An editable combo box takes the click in its text part.
    QWidget* target = &widget;
    if (auto* box = qobject_cast<QComboBox*>(&widget); box != nullptr && box->isEditable())
        target = box->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton);
    return QTest::qWaitFor([&] { return widget.hasFocus(); }, 5000);
}

bool HasFocus(const Control& control) {
    return WidgetOf(control).hasFocus();
}

void Type(Control& control, std::u16string_view text) {
    QTest::keyClicks(&WidgetOf(control),
                     QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void Press(Control& control, Key key) {
    QWidget* widget = &WidgetOf(control);
    switch (key) {
        case Key::Backspace:
            QTest::keyClick(widget, Qt::Key_Backspace);
            break;
        case Key::End:
            QTest::keyClick(widget, Qt::Key_End);
            break;
        case Key::Return:
            QTest::keyClick(widget, Qt::Key_Return);
            break;
        case Key::Tab:
            QTest::keyClick(widget, Qt::Key_Tab);
            break;
        case Key::SelectAll:
            QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
            break;
    }
}

std::u16string SelectedText(const ComboBox& box) {
    return WidgetOf<QComboBox>(box).lineEdit()->selectedText().toStdU16String();
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    return QTest::qWaitFor(condition, static_cast<int>(limit.count()));
}

void Drain() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

namespace {

class QtAcceptedBoxes final : public AcceptedBoxes {
  public:
    std::vector<std::u16string> Texts() const override {
        std::vector<std::u16string> texts;
        for (const ShownBox& box : acceptor_.boxes())
            texts.push_back(box.text.toStdU16String());
        return texts;
    }

  private:
    ModalBoxAcceptor acceptor_;
};

}  // namespace

std::unique_ptr<AcceptedBoxes> AcceptBoxes() {
    return std::make_unique<QtAcceptedBoxes>();
}

}  // namespace vindel::testing
