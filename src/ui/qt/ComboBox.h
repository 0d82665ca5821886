// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QStringList>
#include <functional>

#include "ui/ComboBox.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// An editable drop-down box with the behaviour of ComboBox, on a QComboBox,
// whose own completion, and whose selection of an entry equal to the text
// on leaving the box or on Return, are replaced by ours.
class ComboBox final : public QComboBox, public vindel::ComboBox {
    Q_OBJECT

  public:
    ComboBox(QWidget* parent, const ControlDescription& description);

    bool Visible() const override;
    void SetVisible(bool visible) override { setVisible(visible); }
    Bounds Geometry() const override;
    void Refill(std::span<const std::u16string> entries) override;
    std::vector<std::u16string> Entries() const override;
    int ItemIndex() const override { return currentIndex(); }
    std::u16string Text() const override { return currentText().toStdU16String(); }
    void SetOnChange(std::function<void()> handler) override { on_change_ = std::move(handler); }

  private:
    void OnTextEdited(const QString& text);
    void RaiseChange();
    void RememberShownText();
    void ShowTextWithoutSelection(const QString& text, int cursor);

    std::function<void()> on_change_;
    // What the box showed before the operator's edit, and how many of its
    // characters were selected: an edit is told from them as typing or
    // deleting.
    QString shown_text_;
    qsizetype selected_length_ = 0;
};

}  // namespace vindel::qt
