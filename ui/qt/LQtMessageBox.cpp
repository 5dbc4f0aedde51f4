#include "LQtMessageBox.h"

#include "LQtGeometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kIconSize = 64;
constexpr int kTextWidth = 340;

QStyle::StandardPixmap IconPixmap(LMessageBoxIcon icon) {
    switch (icon) {
        case LMessageBoxIcon::Stop:
            return QStyle::SP_MessageBoxCritical;
        case LMessageBoxIcon::Caution:
            return QStyle::SP_MessageBoxWarning;
        case LMessageBoxIcon::Note:
        case LMessageBoxIcon::Application:
            break;
    }
    return QStyle::SP_MessageBoxInformation;
}

QLabel* TextLabel(const std::string& text, bool bold) {
    auto* label = new QLabel(LQtString(text));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMinimumWidth(kTextWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

LQtMessageBox::LQtMessageBox(const LMessageBoxRequest& asked, QWidget* parent)
    : QDialog(parent, asked.sheet ? Qt::Sheet : Qt::Dialog), request(asked) {
    setWindowTitle(LQtString(request.caption));
    auto* row = new QHBoxLayout(this);
    AddIcon(request.icon, *row);
    auto* column = new QVBoxLayout;
    row->addLayout(column);
    column->addWidget(TextLabel(request.caption, true));
    if (!request.message.empty()) {
        column->addWidget(TextLabel(request.message, false));
    }
    if (!request.tickText.empty()) {
        tick = new QCheckBox(LQtString(request.tickText));
        tick->setChecked(request.tick);
        column->addWidget(tick);
    }
    column->addStretch(1);
    AddButtons(*column);
    // At least the size asked for, growing with the text; the user does not resize it.
    setFixedSize(sizeHint().expandedTo(QSize(request.minimumWidth, request.minimumHeight)));
}

LMessageBoxAnswer LQtMessageBox::Ask(const QPoint& position) {
    setWindowModality(request.sheet ? Qt::WindowModal : Qt::ApplicationModal);
    setGeometry(QRect(position, size()));
    exec();
    return {chosen, tick != nullptr ? tick->isChecked() : request.tick};
}

void LQtMessageBox::reject() {
    const int only = buttons.size() == 1 ? 0 : -1;
    const int escape = request.cancelButton >= 0 ? request.cancelButton : only;
    if (escape >= 0) {
        chosen = escape;
        QDialog::reject();
    }
}

void LQtMessageBox::AddIcon(LMessageBoxIcon icon, QHBoxLayout& row) {
    QIcon shown = style()->standardIcon(IconPixmap(icon), nullptr, this);
    if (icon == LMessageBoxIcon::Application && !QApplication::windowIcon().isNull()) {
        shown = QApplication::windowIcon();
    }
    auto* label = new QLabel;
    label->setPixmap(shown.pixmap(kIconSize, kIconSize));
    label->setAlignment(Qt::AlignTop);
    row.addWidget(label, 0, Qt::AlignTop);
}

void LQtMessageBox::AddButtons(QVBoxLayout& column) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    column.addLayout(row);
    for (size_t index = 0; index < request.buttons.size(); ++index) {
        auto* button = new QPushButton(LQtString(request.buttons[index]));
        button->setAutoDefault(false);
        button->setDefault(static_cast<int>(index) == request.defaultButton);
        connect(button, &QPushButton::clicked, this, [this, index] {
            chosen = static_cast<int>(index);
            accept();
        });
        buttons.push_back(button);
    }
    // The default button sits rightmost, the others to its left in order; a third button stands
    // apart at the left, as alerts place it.
    const int count = static_cast<int>(buttons.size());
    if (count == 3) {
        row->insertWidget(0, buttons[2]);
    }
    for (int index = std::min(count, 2) - 1; index >= 0; --index) {
        row->addWidget(buttons[static_cast<size_t>(index)]);
    }
}
