#pragma once

#include "LControl.h"

#include <QFrame>
#include <QPointer>

#include <string>

class QLabel;

// A small floating tip beside a control: the title in bold, when there is one, above the text. It
// goes at the user's next key or click, or with the window it belongs to.
class LQtBubbleTip : public QFrame {
public:
    LQtBubbleTip();

    // Shows the tip for anchor (a control's widget) at the place that screenArea and the control's
    // screen rectangle give.
    void Show(QWidget& anchor, const std::string& text, const std::string& title,
              const LRect& screenArea);
    QWidget* Anchor() const { return anchor; }
    QString Text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* titleLabel;
    QLabel* textLabel;
    QPointer<QWidget> anchor;
};
