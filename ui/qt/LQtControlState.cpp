#include "LQtControlWidget.h"

#include "LQtGeometry.h"
#include "LQtListView.h"
#include "LQtTabControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr double kSmallFontScale = 0.85;

Qt::Alignment LabelAlignment(LTextAlignment alignment) {
    switch (alignment) {
        case LTextAlignment::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case LTextAlignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case LTextAlignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void ApplyFont(QWidget& widget, LFontStyle style) {
    QFont font = widget.parentWidget() != nullptr ? widget.parentWidget()->font() : widget.font();
    if (style == LFontStyle::Bold) {
        font.setBold(true);
    } else if (style == LFontStyle::Small) {
        font.setPointSizeF(font.pointSizeF() * kSmallFontScale);
    }
    if (widget.font() != font) {
        widget.setFont(font);
    }
}

void ApplyLabel(QLabel& label, const LControl& control) {
    label.setAlignment(LabelAlignment(control.alignment));
    const QString text = LQtString(control.text);
    if (label.text() != text) {
        label.setText(text);
    }
    QPalette palette = label.palette();
    const QColor colour = control.hasTextColour
                              ? QColor::fromRgba64(control.textColour.red, control.textColour.green,
                                                   control.textColour.blue)
                              : QPalette().color(QPalette::WindowText);
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label.setPalette(palette);
}

void ApplyLineEdit(QLineEdit& edit, const LControl& control) {
    const QString text = LQtString(control.text);
    if (edit.text() != text) {
        edit.setText(text);
    }
    edit.setPlaceholderText(LQtString(control.emptyText));
}

void ApplyMultiLineEdit(QPlainTextEdit& edit, const LControl& control) {
    const QString text = LQtString(control.text);
    if (edit.toPlainText() != text) {
        edit.setPlainText(text);
    }
    edit.setPlaceholderText(LQtString(control.emptyText));
}

void ApplyButton(QAbstractButton& button, const LControl& control) {
    if (!control.isHelp) {
        button.setText(LQtString(control.text));
    }
    if (control.kind == LControlKind::CheckBox || control.kind == LControlKind::RadioButton) {
        button.setCheckable(true);
        button.setChecked(control.value == 1);
    } else if (auto* push = qobject_cast<QPushButton*>(&button); push != nullptr) {
        push->setDefault(control.isDefault);
    }
}

void ApplyItems(QComboBox& combo, const LControl& control) {
    QStringList items;
    for (const std::string& item : control.items) {
        items << LQtString(item);
    }
    QStringList shown;
    for (int index = 0; index < combo.count(); ++index) {
        shown << combo.itemText(index);
    }
    if (shown != items) {
        combo.clear();
        combo.addItems(items);
    }
}

void ApplyComboBox(QComboBox& combo, const LControl& control) {
    ApplyItems(combo, control);
    if (combo.isEditable()) {
        const QString text = LQtString(control.text);
        if (combo.currentText() != text) {
            combo.setEditText(text);
        }
        combo.lineEdit()->setPlaceholderText(LQtString(control.emptyText));
    } else if (combo.currentIndex() != control.selection) {
        combo.setCurrentIndex(control.selection);
    }
}

void ApplyProgressBar(QProgressBar& bar, const LControl& control) {
    // A range of 0 to 0 is Qt's busy display.
    bar.setRange(0, control.indeterminate ? 0 : 100);
    if (!control.indeterminate) {
        bar.setValue(control.value);
    }
}

void ApplyKind(QWidget& widget, const LControl& control) {
    switch (control.kind) {
        case LControlKind::StaticText:
            ApplyLabel(static_cast<QLabel&>(widget), control);
            break;
        case LControlKind::EditField:
        case LControlKind::PasswordField:
            ApplyLineEdit(static_cast<QLineEdit&>(widget), control);
            break;
        case LControlKind::MultiLineEdit:
            ApplyMultiLineEdit(static_cast<QPlainTextEdit&>(widget), control);
            break;
        case LControlKind::PushButton:
        case LControlKind::CheckBox:
        case LControlKind::RadioButton:
            ApplyButton(static_cast<QAbstractButton&>(widget), control);
            break;
        case LControlKind::GroupBox:
            static_cast<QGroupBox&>(widget).setTitle(LQtString(control.text));
            break;
        case LControlKind::PopupMenu:
        case LControlKind::ComboBox:
            ApplyComboBox(static_cast<QComboBox&>(widget), control);
            break;
        case LControlKind::ListView:
            static_cast<LQtListView&>(widget).Apply(control);
            break;
        case LControlKind::ProgressBar:
            ApplyProgressBar(static_cast<QProgressBar&>(widget), control);
            break;
        case LControlKind::TabControl:
            static_cast<LQtTabControl&>(widget).Apply(control);
            break;
        case LControlKind::Separator:
            break;
    }
}

}  // namespace

void LQtApplyControl(QWidget& widget, const LControl& control, bool shown, bool enabled) {
    const QSignalBlocker quiet(&widget);
    ApplyFont(widget, control.font);
    ApplyKind(widget, control);
    QRect rect = LQtRect(control.rect);
    if (rect.height() == 0) {
        rect.setHeight(std::min(widget.sizeHint().height(), widget.maximumHeight()));
    }
    if (widget.geometry() != rect) {
        widget.setGeometry(rect);
    }
    if (control.kind != LControlKind::ListView || !control.tooltip.empty()) {
        widget.setToolTip(LQtString(control.tooltip));
    }
    widget.setEnabled(enabled);
    widget.setVisible(shown);
}
