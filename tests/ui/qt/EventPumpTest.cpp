#include "LDialog.h"
#include "LSignalObject.h"
#include "QtHostTest.h"

#include <QElapsedTimer>

#include <gmock/gmock.h>

#include <vector>

class EventPump : public QtHostTest {};

TEST_F(EventPump, PumpEventsDispatchesWhatIsQueued) {
    int ran = 0;
    QMetaObject::invokeMethod(
        qApp, [&ran] { ++ran; }, Qt::QueuedConnection);
    EXPECT_TRUE(host.PumpEvents());
    EXPECT_EQ(ran, 1);
}

TEST_F(EventPump, WaitForEventReportsWhatEndedTheWait) {
    LSignalObject signal;
    signal.Set();
    EXPECT_EQ(host.WaitForEvent(5000, signal.ReadFd()), LUIWaitResult::Ready);
    signal.Reset();

    Deliver();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(host.WaitForEvent(30, signal.ReadFd()), LUIWaitResult::TimedOut);
    EXPECT_GE(clock.elapsed(), 25);

    int ran = 0;
    QMetaObject::invokeMethod(
        qApp, [&ran] { ++ran; }, Qt::QueuedConnection);
    EXPECT_EQ(host.WaitForEvent(0xFFFFFFFFu, -1), LUIWaitResult::Event);
    EXPECT_EQ(ran, 1);
}

namespace {

void NoControls(LWindow&, int, int, bool) {}

class TimedDialog : public LDialog {
public:
    TimedDialog() : LDialog(LDialogTemplate{200, 100, "Timed", 0, NoControls}) {}
    void EvTimer(int id) override { fired.push_back(id); }
    std::vector<int> fired;
};

}  // namespace

TEST_F(EventPump, TimersFireOnceFromTheEventLoopAndGoWithTheWindow) {
    TimedDialog dialog;
    ASSERT_TRUE(dialog.Open(nullptr, LWindowForm::Modal));
    host.SetTimer(dialog, 100, 10);
    host.SetTimer(dialog, 100, 20);  // rescheduled, still one
    host.SetTimer(dialog, 7, 5);
    host.KillTimer(dialog, 7);
    QElapsedTimer clock;
    clock.start();
    while (dialog.fired.empty() && clock.elapsed() < 5000) {
        host.WaitForEvent(50, -1);
    }
    for (int pass = 0; pass < 5; ++pass) {
        host.WaitForEvent(10, -1);
    }
    EXPECT_THAT(dialog.fired, ::testing::ElementsAre(100));
    EXPECT_FALSE(host.Timers().IsPending(dialog, 100));

    host.SetTimer(dialog, 5, 10);
    EXPECT_TRUE(host.Timers().IsPending(dialog, 5));
    dialog.Dispose();
    EXPECT_FALSE(host.Timers().IsPending(dialog, 5));
}
