#include "LProcessRunAsDialog.h"
#include "LTiming.h"
#include "ScriptedTest.h"

#include <functional>
#include <thread>

namespace {

struct TestRun {
    std::function<void(LProgressDialog&)> body;
};

LProcessResult Process(LProcessInterface& process, TestRun& run) {
    run.body(dynamic_cast<LProgressDialog&>(process));
    return LProcessResultSuccess;
}

}  // namespace

// Each wait runs inside a real progress window, where the window's stop is what Cancel sets.
class ProgressWait : public ScriptedTest {
protected:
    void Within(std::function<void(LProgressDialog&)> body) {
        TestRun run{std::move(body)};
        ASSERT_EQ(ProcessRunAsDialog(nullptr, "Waiting", run), LProcessResultSuccess);
    }
};

TEST_F(ProgressWait, ZeroMillisecondsReturnsAtOnceUnlessAStopIsAlreadyAsked) {
    Within([this](LProgressDialog& dialog) {
        const int before = host.EventPoints();
        EXPECT_EQ(dialog.ProcessWait(0), LProcessResultSuccess);
        EXPECT_EQ(host.EventPoints(), before);  // not even one event wait
        dialog.UserPressEscape();
        EXPECT_EQ(dialog.ProcessWait(0), LProcessResultStopped);
    });
}

TEST_F(ProgressWait, ATimedWaitRunsItsFullTime) {
    Within([](LProgressDialog& dialog) {
        const unsigned int start = GetTickCount();
        EXPECT_EQ(dialog.ProcessWait(30), LProcessResultSuccess);
        EXPECT_GE(GetTickCount() - start, 30u);
    });
}

TEST_F(ProgressWait, WaitingForEverEndsWithCancel) {
    Within([this](LProgressDialog& dialog) {
        host.CancelProgressAfter(3);
        EXPECT_EQ(dialog.ProcessWait(0xFFFFFFFFu), LProcessResultStopped);
    });
}

TEST_F(ProgressWait, ASignalAlreadySetNeedsAtLeastOneMillisecond) {
    Within([](LProgressDialog& dialog) {
        LSignalObject signal;
        signal.Set();
        // The deadline is looked at before the signal.
        EXPECT_EQ(dialog.ProcessWaitSignal(signal.Ref(), 0), LProcessResultFailed);
        EXPECT_EQ(dialog.ProcessWaitSignal(signal.Ref(), 1), LProcessResultSuccess);
        EXPECT_EQ(dialog.ProcessWaitSignal(signal.Ref(), 0xFFFFFFFFu), LProcessResultSuccess);
    });
}

TEST_F(ProgressWait, SignalWaitsEndBySignalTimeOutOrCancel) {
    Within([this](LProgressDialog& dialog) {
        LSignalObject signal;
        EXPECT_EQ(dialog.ProcessWaitSignal(signal.Ref(), 20), LProcessResultFailed);

        std::thread setter([&signal] {
            Sleep(20);
            signal.Set();
        });
        EXPECT_EQ(dialog.ProcessWaitSignal(signal.Ref(), 0xFFFFFFFFu), LProcessResultSuccess);
        setter.join();

        LSignalObject never;
        host.CancelProgressAfter(1);  // Cancel is the next event
        EXPECT_EQ(dialog.ProcessWaitSignal(never.Ref(), 5000), LProcessResultStopped);
    });
}

TEST_F(ProgressWait, GroupWaitsDoNotDispatchAndReportAStopOnReadiness) {
    Within([this](LProgressDialog& dialog) {
        LSignalObject quiet;
        LSignalObject ready;
        ready.Set();
        LSignalObjectGroup silent;
        silent.Add(quiet.Ref());
        const int before = host.EventPoints();
        EXPECT_EQ(dialog.ProcessWaitSignalObjectGroup(silent, 10), LProcessResultFailed);
        EXPECT_EQ(host.EventPoints(), before);

        LSignalObjectGroup group;
        group.Add(quiet.Ref());
        group.Add(ready.Ref());
        EXPECT_EQ(dialog.ProcessWaitSignalObjectGroup(group, 10), LProcessResultSuccess);
        dialog.UserPressEscape();
        EXPECT_EQ(dialog.ProcessWaitSignalObjectGroup(group, 10), LProcessResultStopped);
    });
}
