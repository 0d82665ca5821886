#include "Driving.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace vindel::testing {

void PickEntry(QComboBox& box, int row) {
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

bool ClickInto(QWidget& control) {
    // An editable combo box takes the click in its text part.
    QWidget* target = &control;
    if (auto* box = qobject_cast<QComboBox*>(&control); box != nullptr && box->isEditable())
        target = box->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton);
    return QTest::qWaitFor([&] { return control.hasFocus(); }, 5000);
}

QStringList Entries(const QComboBox& box) {
    QStringList entries;
    for (int i = 0; i < box.count(); ++i)
        entries << box.itemText(i);
    return entries;
}

bool Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    // The widget layer learns of the activation after the window system.
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 5000);
}

}  // namespace vindel::testing
