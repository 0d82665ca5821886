#include "ui/ComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace vindel {

TComboBox::TComboBox(QWidget* parent, const char* name) : QComboBox(parent) {
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    // Qt's completer moves no selection; the completion here is our own.
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TComboBox::OnTextEdited);
    connect(this, &QComboBox::activated, this, &TComboBox::OnPicked);
}

void TComboBox::Refill(const QStringList& entries) {
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    clear();
    addItems(entries);
    ShowTextWithoutSelection(text, static_cast<int>(text.size()));
    typedText_ = text;
}

void TComboBox::OnTextEdited(const QString& text) {
    // Typing lengthens what the operator typed; deleting (the completed part
    // included) does not, and completes nothing.
    const bool deleting = text.size() <= typedText_.size();
    typedText_ = text;
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
            emit Change();
        return;
    }
    ShowTextWithoutSelection(text, lineEdit()->cursorPosition());
    emit Change();
}

void TComboBox::OnPicked(int /*index*/) {
    typedText_ = currentText();
    emit Change();
}

void TComboBox::ShowTextWithoutSelection(const QString& text, int cursor) {
    const QSignalBlocker blocker(this);
    // On an editable box, dropping the selection also empties the text.
    setCurrentIndex(-1);
    setEditText(text);
    lineEdit()->setCursorPosition(cursor);
}

}  // namespace vindel
