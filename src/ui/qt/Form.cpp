// SPDX-License-Identifier: MIT
#include "ui/qt/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>

#include "ui/qt/Button.h"
#include "ui/qt/ComboBox.h"
#include "ui/qt/EditBox.h"
#include "ui/qt/FormStyle.h"
#include "ui/qt/Label.h"
#include "ui/qt/Picture.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtToolkit.h"
#include "ui/qt/TaskBar.h"

namespace vindel::qt {
namespace {

// To the window system an owned window is a dialog: that makes it a
// transient of its owner (WM_TRANSIENT_FOR on X11, the parent of its
// toplevel on Wayland), which keeps it in front of the owner and minimises
// it with the owner. Its title bar stays that of an ordinary window.
constexpr Qt::WindowFlags kOwnedWindow = Qt::Dialog | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                         Qt::WindowCloseButtonHint;

// The control of a description's entry, owned by the form.
QWidget* MakeControl(QWidget& form, const ControlDescription& d) {
    switch (d.kind) {
        case ControlKind::Label:
            return new Label(&form, d);
        case ControlKind::Picture:
            return new Picture(&form, d);
        case ControlKind::ComboBox:
            return new ComboBox(&form, d);
        case ControlKind::EditBox:
        case ControlKind::PasswordBox:
            return new EditBox(&form, d);
        case ControlKind::Button:
            return new Button(&form, d);
    }
    return nullptr;
}

}  // namespace

Form::Form(QtToolkit& toolkit, const FormDescription& description, Form* owner)
    : QWidget(owner, owner != nullptr ? kOwnedWindow : Qt::WindowFlags()),
      toolkit_(toolkit),
      design_(description.bounds) {
    setObjectName(ToQString(description.name));
    ApplyFormStyle(*this, ToQString(description.caption), description.font);
    // The frame at the designed place, the client area at the designed size.
    resize(design_.width, design_.height);
    move(design_.left, design_.top);
    MakeControls(description);
    FitToScreen();
}

void Form::FitToScreen() {
    // The offscreen platform's screen is a made-up one, which nobody sees.
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        return;
    const QPoint designedPlace(design_.left, design_.top);
    const QScreen* screen = QGuiApplication::screenAt(designedPlace);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect work = screen->availableGeometry();
    FrameSizes frame;
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (outer != inner) {
        frame = {inner.left() - outer.left(), inner.top() - outer.top(),
                 outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    } else {
        // Before the window system has framed the window: a title bar and
        // borders as the style draws them.
        const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = {border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
    }
    // Qt's units are already the screen's device-independent pixels.
    const WindowPlacement placement =
        FitToWorkArea(design_, 1, frame, {work.left(), work.top(), work.width(), work.height()});
    if (placement.scale != scale_)
        ApplyScale(placement.scale);
    resize(placement.width, placement.height);
    move(placement.left, placement.top);
}

void Form::ApplyScale(double scale) {
    scale_ = scale;
    const auto scaled = [scale](int designed) {
        return static_cast<int>(std::lround(designed * scale));
    };
    for (const DesignedControl& control : designed_controls_) {
        if (auto* label = dynamic_cast<Label*>(control.widget)) {
            label->SetScale(scale);
        } else if (auto* picture = dynamic_cast<Picture*>(control.widget)) {
            picture->SetScale(scale);
        } else {
            const Bounds& b = control.bounds;
            control.widget->setGeometry(scaled(b.left), scaled(b.top), scaled(b.width),
                                        scaled(b.height));
            QFont font = control.widget->font();
            font.setPixelSize(std::max(1, scaled(control.fontPixels)));
            control.widget->setFont(font);
        }
    }
}

void Form::MakeControls(const FormDescription& description) {
    std::map<int, QWidget*> tabOrder;
    for (const ControlDescription& d : description.controls) {
        QWidget* control = MakeControl(*this, d);
        if (!d.accessibleName.empty())
            control->setAccessibleName(ToQString(d.accessibleName));
        if (d.tabOrder >= 0)
            tabOrder.emplace(d.tabOrder, control);
        controls_.emplace_back(d.name, dynamic_cast<Control*>(control));
        designed_controls_.push_back({control, d.bounds, d.font.pixels});
    }
    QWidget* previous = nullptr;
    for (const auto& [position, control] : tabOrder) {
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
    // When the window is first activated, the focus goes to the first
    // control in the tab order.
    if (!tabOrder.empty())
        tabOrder.begin()->second->setFocus();
}

Control* Form::Find(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    return found != controls_.end() ? found->second : nullptr;
}

void Form::Show() {
    show();
    activateWindow();
}

void Form::Hide() {
    hide();
}

void Form::Close() {
    close();
}

bool Form::Visible() const {
    return isVisible();
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        toolkit_.FormActivated(*this);
    }
    // Once the window system has framed the window, the fit is made again
    // with the real frame, once: where the operator moves it later is his.
    if (event->type() == QEvent::Move && !fitted_in_frame_ && isVisible() &&
        frameGeometry() != geometry()) {
        fitted_in_frame_ = true;
        FitToScreen();
    }
    return QWidget::event(event);
}

void Form::showEvent(QShowEvent* event) {
    // Before the window system maps the window; a window restored from
    // minimised keeps what it had.
    if (!event->spontaneous() && parentWidget() != nullptr)
        KeepOffTaskBar(*this);
    QWidget::showEvent(event);
}

void Form::hideEvent(QHideEvent* event) {
    // A window minimised by the window system is not gone; one hidden by the
    // program is, and the next window to become active comes from none.
    if (!event->spontaneous()) {
        toolkit_.FormHidden(*this);
    }
    QWidget::hideEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    // A close request of the window system's arrives spontaneous; Close's
    // doesn't.
    const auto request =
        event->spontaneous() ? Toolkit::CloseRequest::WindowSystem : Toolkit::CloseRequest::Program;
    if (!toolkit_.CloseRequested(*this, request)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace vindel::qt
