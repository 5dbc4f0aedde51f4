#include "LCommand.h"
#include "LDialog.h"
#include "LLayout.h"
#include "LPlacement.h"
#include "LQtWindow.h"
#include "QtHostTest.h"

#include <QScreen>

namespace {

void FieldAndButtons(LWindow& w, int x, int y, bool standardButtons) {
    LLayoutEditField(w, 101, x + 18, y + 14, 200);
    if (standardButtons) {
        LLayoutStandardButtons(w, x, y + 50, 400);
    }
}

class CountingDialog : public LDialog {
public:
    CountingDialog() : LDialog(LDialogTemplate{400, 86, "Counting", 0, FieldAndButtons}) {}
    bool EvCancel() override {
        ++cancels;
        return cancels > refusals;
    }
    int cancels = 0;
    int refusals = 0;
};

}  // namespace

class ModalLoop : public QtHostTest {
protected:
    // Runs act on the dialog's window once it is shown.
    void OnWindow(CountingDialog& dialog, std::function<void(LQtWindow&)> act) {
        WhenReady(
            [this, &dialog] { return host.Window(dialog) && host.Window(dialog)->isVisible(); },
            [this, &dialog, act = std::move(act)] { act(*host.Window(dialog)); });
    }
};

TEST_F(ModalLoop, ReturnAndEscapeReachTheDefaultAndCancelButtons) {
    CountingDialog dialog;
    QRect geometry;
    OnWindow(dialog, [&](LQtWindow& window) {
        geometry = window.geometry();
        PostKey(window.WidgetFor(101), Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.DoModal(nullptr));
    const LRect screen = host.ScreenArea(nullptr);
    EXPECT_EQ(geometry, QRect(screen.x + (screen.width - 400) / 2,
                              screen.y + (screen.height - 86) / 3, 400, 86));

    OnWindow(dialog, [](LQtWindow& window) { PostKey(window.WidgetFor(101), Qt::Key_Escape); });
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_EQ(dialog.cancels, 1);
}

TEST_F(ModalLoop, TheCloseControlIsCancelWhichTheDialogMayRefuse) {
    CountingDialog dialog;
    dialog.refusals = 1;
    OnWindow(dialog, [](LQtWindow& window) {
        window.close();  // refused: the window stays
        QTimer::singleShot(20, &window, [&window] {
            EXPECT_TRUE(window.isVisible());
            window.close();
        });
    });
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_EQ(dialog.cancels, 2);
}

TEST_F(ModalLoop, ADialogIsApplicationModalAndGoesWithItsDisposal) {
    CountingDialog dialog;
    ASSERT_TRUE(dialog.Open(nullptr, LWindowForm::Modal));
    EXPECT_EQ(host.Window(dialog)->windowModality(), Qt::ApplicationModal);
    dialog.Dispose();
    EXPECT_EQ(host.Window(dialog), nullptr);
}
