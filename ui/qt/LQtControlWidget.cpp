#include "LQtControlWidget.h"

#include "LQtListView.h"
#include "LQtTabControl.h"
#include "LWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <string>
#include <utility>

namespace {

using Done = std::function<void()>;

constexpr int kProgressBarHeight = 16;

QWidget* MakeLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QWidget* MakeLineEdit(const LControl& control, LWindow& owner, QWidget* parent, Done done) {
    auto* edit = new QLineEdit(parent);
    if (control.kind == LControlKind::PasswordField) {
        edit->setEchoMode(QLineEdit::Password);
    }
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&owner, id = control.id, done = std::move(done)](const QString& text) {
                         owner.UserSetText(id, text.toStdString());
                         done();
                     });
    return edit;
}

QWidget* MakeMultiLineEdit(const LControl& control, LWindow& owner, QWidget* parent, Done done) {
    auto* edit = new QPlainTextEdit(parent);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit,
                     [edit, &owner, id = control.id, done = std::move(done)] {
                         owner.UserSetText(id, edit->toPlainText().toStdString());
                         done();
                     });
    return edit;
}

// The round help button: a question mark in a circle.
QPushButton* MakeHelpButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("?"), parent);
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: 1px solid palette(mid); border-radius: 10px;"
                       " background: palette(button); font-weight: bold; padding: 0; }"
                       "QPushButton:pressed { background: palette(mid); }"));
    return button;
}

QWidget* MakeButton(const LControl& control, LWindow& owner, QWidget* parent, Done done) {
    QAbstractButton* button = nullptr;
    switch (control.kind) {
        case LControlKind::CheckBox:
            button = new QCheckBox(parent);
            break;
        case LControlKind::RadioButton: {
            auto* radio = new QRadioButton(parent);
            // The model keeps one radio group per window.
            radio->setAutoExclusive(false);
            button = radio;
            break;
        }
        default:
            button = control.isHelp ? MakeHelpButton(parent) : new QPushButton(parent);
            static_cast<QPushButton*>(button)->setAutoDefault(false);
    }
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&owner, id = control.id, done = std::move(done)] {
                         owner.UserClick(id);
                         done();
                     });
    return button;
}

QWidget* MakeComboBox(const LControl& control, LWindow& owner, QWidget* parent, Done done) {
    auto* combo = new QComboBox(parent);
    const int id = control.id;
    if (control.kind == LControlKind::PopupMenu) {
        QObject::connect(combo, &QComboBox::activated, combo,
                         [&owner, id, done = std::move(done)](int index) {
                             owner.UserSelectPopup(id, index);
                             done();
                         });
        return combo;
    }
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [&owner, id, done](const QString& text) {
                         owner.UserSetText(id, text.toStdString());
                         done();
                     });
    QObject::connect(combo, &QComboBox::activated, combo, [combo, &owner, id, done](int index) {
        owner.UserSetText(id, combo->itemText(index).toStdString());
        done();
    });
    return combo;
}

QWidget* MakeListView(const LControl& control, LWindow& owner, QWidget* parent, Done done) {
    const int id = control.id;
    return new LQtListView(
        parent,
        [&owner, id, done](const std::vector<int>& rows) {
            owner.UserSelectRows(id, rows);
            done();
        },
        [&owner, id, done](int column, int width) {
            owner.UserResizeColumn(id, column, width);
            done();
        });
}

QWidget* MakeTabControl(const LControl& control, LWindow& owner, QWidget* parent, Done done) {
    return new LQtTabControl(parent, [&owner, id = control.id, done](int index) {
        owner.UserSelectPopup(id, index);
        done();
    });
}

QWidget* MakeSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QWidget* MakeProgressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    // The layouts leave room for a slim bar; the style's own is as tall as a field.
    bar->setMaximumHeight(kProgressBarHeight);
    return bar;
}

}  // namespace

QWidget* LQtMakeControlWidget(const LControl& control, LWindow& owner, QWidget* parent,
                              std::function<void()> inputDone) {
    switch (control.kind) {
        case LControlKind::StaticText:
            return MakeLabel(parent);
        case LControlKind::EditField:
        case LControlKind::PasswordField:
            return MakeLineEdit(control, owner, parent, std::move(inputDone));
        case LControlKind::MultiLineEdit:
            return MakeMultiLineEdit(control, owner, parent, std::move(inputDone));
        case LControlKind::PushButton:
        case LControlKind::CheckBox:
        case LControlKind::RadioButton:
            return MakeButton(control, owner, parent, std::move(inputDone));
        case LControlKind::GroupBox:
            return new QGroupBox(parent);
        case LControlKind::Separator:
            return MakeSeparator(parent);
        case LControlKind::PopupMenu:
        case LControlKind::ComboBox:
            return MakeComboBox(control, owner, parent, std::move(inputDone));
        case LControlKind::ListView:
            return MakeListView(control, owner, parent, std::move(inputDone));
        case LControlKind::ProgressBar:
            return MakeProgressBar(parent);
        case LControlKind::TabControl:
            return MakeTabControl(control, owner, parent, std::move(inputDone));
    }
    return MakeLabel(parent);
}
