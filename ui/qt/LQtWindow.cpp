#include "LQtWindow.h"

#include "LQtControlWidget.h"
#include "LQtGeometry.h"
#include "LWindow.h"
#include "LWizardDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include <vector>

namespace {

// The wizard's header, down to the separator under its title and subtitle.
constexpr int kWizardHeaderHeight = 58;

// A group box holds the controls declared after it inside its rectangle: hiding or disabling the
// box hides or disables them too.
bool Encloses(const LControl& box, const LControl& control) {
    const QRect outer = LQtRect(box.rect);
    QRect inner = LQtRect(control.rect);
    if (inner.height() == 0) {
        inner.setHeight(1);
    }
    return box.kind == LControlKind::GroupBox && &box != &control && outer.contains(inner);
}

// The widget of a control that went: it may be the one whose signal is running now.
void Discard(QWidget* widget) {
    if (widget != nullptr) {
        widget->hide();
        widget->deleteLater();
    }
}

}  // namespace

LQtWindow::LQtWindow(LWindow& window, QWidget* parent, LWindowForm windowForm)
    : QWidget(parent, windowForm == LWindowForm::Sheet ? Qt::Sheet : Qt::Dialog),
      model(window),
      form(windowForm) {
    if (form == LWindowForm::Modal) {
        setWindowModality(Qt::ApplicationModal);
    } else if (form == LWindowForm::Sheet) {
        setWindowModality(Qt::WindowModal);
    }
}

void LQtWindow::Sync() {
    setWindowTitle(LQtString(model.GetTitle()));
    SyncFrame();
    std::map<const LControl*, Entry> kept;
    SyncOwner(model, true, kept);
    for (LWindow* page : model.Pages()) {
        SyncOwner(*page, page->IsVisible(), kept);
    }
    for (auto& [control, entry] : widgets) {
        Discard(entry.widget);
    }
    widgets = std::move(kept);
    SyncTabOrder();
}

void LQtWindow::SyncControl(LWindow& owner, const LControl& control) {
    if (control.kind == LControlKind::GroupBox || widgets.count(&control) == 0) {
        Sync();
        return;
    }
    ApplyWithin(owner, control);
}

QWidget* LQtWindow::WidgetFor(const LControl& control) const {
    auto found = widgets.find(&control);
    return found != widgets.end() ? found->second.widget.data() : nullptr;
}

QWidget* LQtWindow::WidgetFor(int id) const {
    LWindow* owner = model.FindInputOwner(id);
    const LControl* control = owner != nullptr ? owner->FindControl(id) : nullptr;
    return control != nullptr ? WidgetFor(*control) : nullptr;
}

void LQtWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            model.UserPressReturn();
            break;
        case Qt::Key_Escape:
            model.UserPressEscape();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void LQtWindow::closeEvent(QCloseEvent* event) {
    // The model decides: a close request is Cancel, which the dialog may refuse.
    event->ignore();
    model.UserRequestClose();
}

void LQtWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // A wizard's title and subtitle stand on a light band, as wizards show them.
    if (dynamic_cast<const LWizardDialog*>(&model) != nullptr) {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), kWizardHeaderHeight, palette().base());
    }
}

void LQtWindow::SyncFrame() {
    const LRect& frame = model.Frame();
    QRect placed = LQtRect(frame);
    // A sheet is a window-modal dialog here, centred on its parent as such dialogs are.
    if (form == LWindowForm::Sheet && parentWidget() != nullptr) {
        placed.moveCenter(parentWidget()->geometry().center());
    }
    setFixedSize(frame.width, frame.height);
    if (geometry() != placed) {
        setGeometry(placed);
    }
}

void LQtWindow::SyncTabOrder() {
    // Tab goes through the window's own fields, then each page's, and ends on the button row,
    // though pages are made after the buttons around them.
    std::vector<QWidget*> order;
    auto add = [this, &order](const LWindow& owner, bool buttons) {
        for (const LControl& control : owner.Controls()) {
            QWidget* widget = WidgetFor(control);
            if ((control.kind == LControlKind::PushButton) == buttons && widget != nullptr &&
                (widget->focusPolicy() & Qt::TabFocus) != 0) {
                order.push_back(widget);
            }
        }
    };
    add(model, false);
    for (const LWindow* page : model.Pages()) {
        add(*page, false);
        add(*page, true);
    }
    add(model, true);
    for (size_t index = 1; index < order.size(); ++index) {
        QWidget::setTabOrder(order[index - 1], order[index]);
    }
}

void LQtWindow::SyncOwner(LWindow& owner, bool ownerShown, std::map<const LControl*, Entry>& kept) {
    std::vector<const LControl*> boxes;
    for (const LControl& control : owner.Controls()) {
        QWidget* widget = Widget(owner, control);
        widgets.erase(&control);
        kept[&control] = {&owner, control.kind, widget};
        bool shown = ownerShown && control.visible;
        bool enabled = control.enabled;
        for (const LControl* box : boxes) {
            if (Encloses(*box, control)) {
                shown = shown && box->visible;
                enabled = enabled && box->enabled;
            }
        }
        LQtApplyControl(*widget, control, shown, enabled);
        if (control.kind == LControlKind::GroupBox) {
            boxes.push_back(&control);
        }
    }
}

QWidget* LQtWindow::Widget(LWindow& owner, const LControl& control) {
    auto found = widgets.find(&control);
    if (found != widgets.end() && found->second.owner == &owner &&
        found->second.kind == control.kind && found->second.widget != nullptr) {
        return found->second.widget.data();
    }
    // A new control, or another one where a removed control was.
    if (found != widgets.end()) {
        Discard(found->second.widget);
        widgets.erase(found);
    }
    return LQtMakeControlWidget(control, owner, this,
                                [this, &owner, id = control.id] { SyncAfterInput(owner, id); });
}

void LQtWindow::ApplyWithin(LWindow& owner, const LControl& control) {
    bool shown = IsShownOwner(owner) && control.visible;
    bool enabled = control.enabled;
    for (const LControl& box : owner.Controls()) {
        if (&box == &control) {
            break;
        }
        if (Encloses(box, control)) {
            shown = shown && box.visible;
            enabled = enabled && box.enabled;
        }
    }
    if (QWidget* widget = WidgetFor(control); widget != nullptr) {
        LQtApplyControl(*widget, control, shown, enabled);
    }
}

void LQtWindow::SyncAfterInput(LWindow& owner, int id) {
    // The model may have refused the input (a disabled control) or changed it: show its state.
    if (const LControl* control = owner.FindControl(id); control != nullptr) {
        ApplyWithin(owner, *control);
    }
}

bool LQtWindow::IsShownOwner(const LWindow& owner) const {
    return &owner == &model || owner.IsVisible();
}
