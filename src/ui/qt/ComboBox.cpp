// SPDX-License-Identifier: MIT
#include "ui/qt/ComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/HandlerGuard.h"
#include "ui/qt/FormStyle.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

ComboBox::ComboBox(QWidget* parent, const ControlDescription& description) : QComboBox(parent) {
    setObjectName(ToQString(description.name));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    // Qt's completer moves no selection; the completion here is our own.
    setCompleter(nullptr);
    // When the box loses focus, and on Return, Qt selects the entry that
    // equals the text and reports it as a pick. Only a pick from the list or
    // an edit may select an entry here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    // The edit box reports an edit before it reports the new text and
    // selection, so shown_text_ still holds the text before the edit then.
    connect(lineEdit(), &QLineEdit::textChanged, this, &ComboBox::RememberShownText);
    connect(lineEdit(), &QLineEdit::selectionChanged, this, &ComboBox::RememberShownText);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::OnTextEdited);
    connect(this, &QComboBox::activated, this, &ComboBox::RaiseChange);
    const Bounds& bounds = description.bounds;
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    SetFont(*this, ControlFont(description.font), Colour(description.colour));
}

bool ComboBox::Visible() const {
    return VisibleInForm(*this);
}

Bounds ComboBox::Geometry() const {
    return GeometryOf(*this);
}

void ComboBox::Refill(std::span<const std::u16string> entries) {
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    clear();
    for (const std::u16string& entry : entries)
        addItem(ToQString(entry));
    ShowTextWithoutSelection(text, static_cast<int>(text.size()));
}

std::vector<std::u16string> ComboBox::Entries() const {
    std::vector<std::u16string> entries;
    entries.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        entries.push_back(itemText(i).toStdU16String());
    return entries;
}

void ComboBox::OnTextEdited(const QString& text) {
    // A deletion cuts the text back: the new text begins the old one, is
    // shorter, and adds nothing to what was left unselected of it. So
    // deleting the completed part of an entry completes nothing, while "s",
    // or "S", typed over a selected "SG300-20" is typing.
    const bool deleting = shown_text_.startsWith(text) && text.size() < shown_text_.size() &&
                          text.size() <= shown_text_.size() - selected_length_;
    int match = -1;
    if (!deleting && !text.isEmpty()) {
        for (int i = 0; i < count() && match < 0; ++i) {
            if (itemText(i).startsWith(text, Qt::CaseInsensitive))
                match = i;
        }
    }
    const int before = currentIndex();
    if (match >= 0) {
        {
            const QSignalBlocker blocker(this);
            setCurrentIndex(match);
        }
        const QString completed = itemText(match);
        lineEdit()->setSelection(static_cast<int>(completed.size()),
                                 static_cast<int>(text.size() - completed.size()));
        if (match != before)
            RaiseChange();
        return;
    }
    ShowTextWithoutSelection(text, lineEdit()->cursorPosition());
    RaiseChange();
}

void ComboBox::RaiseChange() {
    if (on_change_)
        RunGuarded(on_change_);
}

void ComboBox::RememberShownText() {
    shown_text_ = lineEdit()->text();
    selected_length_ = lineEdit()->selectionLength();
}

void ComboBox::ShowTextWithoutSelection(const QString& text, int cursor) {
    const QSignalBlocker blocker(this);
    // On an editable box, dropping the selection also empties the text.
    setCurrentIndex(-1);
    setEditText(text);
    lineEdit()->setCursorPosition(cursor);
}

}  // namespace vindel::qt
