#include "LDialog.h"
#include "LLayout.h"
#include "LQtBubbleTip.h"
#include "QtHostTest.h"

#include <QLabel>

namespace {

void Field(LWindow& w, int x, int y, bool /*standardButtons*/) {
    LLayoutEditField(w, 101, x + 300, y + 40, 200);
}

}  // namespace

class BubbleTip : public QtHostTest {};

TEST_F(BubbleTip, StandsBesideTheControlWithItsTitleAndTakesTheFocus) {
    LDialog dialog(LDialogTemplate{540, 120, "Tip", 0, Field});
    ASSERT_TRUE(dialog.Open(nullptr, LWindowForm::Modal));
    QWidget* field = host.Widget(dialog, 101);
    host.Window(dialog)->activateWindow();
    dialog.ShowBubbleTip(101, "Please enter a name", "Missing name");
    Deliver();
    const LQtBubbleTip* tip = host.BubbleTip();
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->Text(), "Please enter a name");
    std::vector<std::string> texts;
    for (QLabel* label : tip->findChildren<QLabel*>()) {
        if (label->isVisibleTo(tip)) {
            texts.push_back(label->text().toStdString());
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Missing name", "Please enter a name"}));
    const QRect control(field->mapToGlobal(QPoint(0, 0)), field->size());
    const LRect screen = host.ScreenArea(&dialog);
    if (screen.width <= 1024) {
        EXPECT_LE(tip->geometry().right(), control.left());
    } else {
        EXPECT_GE(tip->geometry().left(), control.right());
    }
    EXPECT_NEAR(tip->geometry().center().y(), control.center().y(), 1);
    EXPECT_TRUE(field->hasFocus() || QApplication::focusWidget() == nullptr);

    // The user's next key takes it away.
    PostText(field, "a");
    Deliver();
    EXPECT_FALSE(tip->isVisible());
    dialog.Dispose();
}
