#include "LQtBubbleTip.h"

#include "LPlacement.h"
#include "LQtGeometry.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kMaxTextWidth = 280;

}  // namespace

LQtBubbleTip::LQtBubbleTip()
    : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint),
      titleLabel(new QLabel(this)),
      textLabel(new QLabel(this)) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    auto* column = new QVBoxLayout(this);
    for (QLabel* label : {titleLabel, textLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setMaximumWidth(kMaxTextWidth);
        label->setForegroundRole(QPalette::ToolTipText);
        column->addWidget(label);
    }
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
}

void LQtBubbleTip::Show(QWidget& control, const std::string& text, const std::string& title,
                        const LRect& screenArea) {
    anchor = &control;
    titleLabel->setText(LQtString(title));
    titleLabel->setVisible(!title.empty());
    textLabel->setText(LQtString(text));
    adjustSize();
    const QRect onScreen(control.mapToGlobal(QPoint(0, 0)), control.size());
    move(LQtRect(LBubbleTipPlace(screenArea, LQtFromRect(onScreen), width(), height())).topLeft());
    show();
    raise();
    qApp->installEventFilter(this);
}

QString LQtBubbleTip::Text() const {
    return textLabel->text();
}

bool LQtBubbleTip::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool input = type == QEvent::KeyPress || type == QEvent::MouseButtonPress;
    const bool anchorGone = watched == anchor && (type == QEvent::Hide);
    if (isVisible() && (input || anchorGone)) {
        qApp->removeEventFilter(this);
        hide();
    }
    return false;
}
