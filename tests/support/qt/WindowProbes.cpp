// SPDX-License-Identifier: MIT
// What the window tests read of Qt's widgets.
#include "WindowProbes.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>

#include "ui/Label.h"
#include "ui/qt/Widgets.h"

namespace vindel::testing {

using qt::WidgetOf;

FontFacts FontOf(const Control& control) {
    const QWidget& widget = WidgetOf(control);
    const QFont font = widget.font();
    // A label's text is window text; a box's or button's is text.
    const auto role =
        dynamic_cast<const Label*>(&control) != nullptr ? QPalette::WindowText : QPalette::Text;
    return {QFontInfo(font).family().toStdU16String(), font.pixelSize(), font.bold(), font.italic(),
            widget.palette().color(role).rgb() & 0xFFFFFFu};
}

std::u16string FoundFamily(std::u16string_view family) {
    const QFont font(QString::fromUtf16(family.data(), static_cast<qsizetype>(family.size())));
    return QFontInfo(font).family().toStdU16String();
}

std::vector<std::string> CreationOrder(const TForm& window) {
    std::vector<std::string> names;
    for (const QObject* child : WidgetOf(window).children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        // An owned window is a child too, but no control.
        if (control != nullptr && !control->isWindow())
            names.push_back(control->objectName().toStdString());
    }
    return names;
}

std::vector<std::string> TabOrder(const TForm& window) {
    const QWidget& form = WidgetOf(window);
    std::vector<std::string> names;
    for (const QWidget* widget = form.nextInFocusChain(); widget != &form;
         widget = widget->nextInFocusChain()) {
        if (widget->parentWidget() == &form && (widget->focusPolicy() & Qt::TabFocus) != 0)
            names.push_back(widget->objectName().toStdString());
    }
    return names;
}

std::optional<std::u16string> AccessibleName(const Control& control) {
    return WidgetOf(control).accessibleName().toStdU16String();
}

std::u16string DisplayedText(const EditBox& box) {
    return WidgetOf<QLineEdit>(box).displayText().toStdU16String();
}

int ListRows(const ComboBox& box) {
    return WidgetOf<QComboBox>(box).maxVisibleItems();
}

}  // namespace vindel::testing
