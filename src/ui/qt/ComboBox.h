#pragma once

#include <QComboBox>
#include <QStringList>

namespace vindel {

// An editable drop-down box with the behaviour the main window relies on:
// - picking an entry from the list raises Change with its position;
// - typing that begins an entry (letter case ignored) selects the first such
//   entry, completes the text with it, and raises Change with its position
//   if it was not selected before; typing over selected text is typing too;
// - any other edit, a deletion included, leaves no entry selected and raises
//   Change with -1, the typed text staying as it is;
// - leaving the box or pressing Return neither selects an entry nor raises
//   Change, even when the text equals an entry;
// - refilling the entries from code raises nothing and keeps the text shown.
class TComboBox final : public QComboBox {
    Q_OBJECT

  public:
    TComboBox(QWidget* parent, const char* name);

    // The selected entry's position, -1 for none.
    int ItemIndex() const { return currentIndex(); }

    // Replaces the entries; no entry is selected afterwards.
    void Refill(const QStringList& entries);

  signals:
    void Change();

  private:
    void OnTextEdited(const QString& text);
    void OnPicked(int index);
    void RememberShownText();
    void ShowTextWithoutSelection(const QString& text, int cursor);

    // What the box showed before the operator's edit, and how many of its
    // characters were selected: an edit is told from them as typing or
    // deleting.
    QString shownText_;
    qsizetype selectedLength_ = 0;
};

}  // namespace vindel
