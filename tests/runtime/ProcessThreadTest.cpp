#include "LProcessThread.h"
#include "LTiming.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <functional>

namespace {

// Counts its runs and works until it is asked to stop or released.
class CountingThread : public LProcessThread {
public:
    ~CountingThread() override { Stop(); }
    std::atomic<int> runs{0};
    std::atomic<int> workerId{0};
    std::atomic<bool> release{false};
    bool waitForever = false;
    LProcessResult lastWait = LProcessResultFailed;

protected:
    void ThreadMain() override {
        ++runs;
        workerId = static_cast<int>(gettid());
        if (waitForever) {
            lastWait = ProcessWait(0xFFFFFFFFu);
            return;
        }
        while (!release && !IsToStop()) {
            lastWait = ProcessWait(5);
        }
    }
};

bool WaitUntil(const std::function<bool()>& condition) {
    LDeadline deadline(5000);
    while (!condition()) {
        if (deadline.Remaining() == 0) {
            return false;
        }
        Sleep(2);
    }
    return true;
}

}  // namespace

TEST(ProcessThread, StartWhileRunningChangesNothing) {
    CountingThread worker;
    ASSERT_TRUE(worker.Start(31));
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.Priority(), 31);
    EXPECT_TRUE(WaitUntil([&] { return worker.workerId != 0; }));
    EXPECT_EQ(worker.ThreadId(), worker.workerId.load());
    EXPECT_NE(worker.ThreadId(), static_cast<int>(gettid()));

    ASSERT_TRUE(worker.Start(5));
    EXPECT_EQ(worker.runs, 1);
    EXPECT_EQ(worker.Priority(), 31);
    worker.Stop();
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.ThreadId(), -1);
}

TEST(ProcessThread, StartAfterFinishingRunsAgain) {
    CountingThread worker;
    worker.release = true;
    ASSERT_TRUE(worker.Start(0));
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    ASSERT_TRUE(worker.Start(0));
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    EXPECT_EQ(worker.runs, 2);
    worker.Stop();  // joins the finished thread; a second Stop does nothing
    worker.Stop();
}

TEST(ProcessThread, StopIsSeenByTheWorkAndEndsItsWaits) {
    CountingThread worker;
    worker.waitForever = true;
    ASSERT_TRUE(worker.Start(31));
    unsigned int before = GetTickCount();
    worker.Stop();
    EXPECT_LT(GetTickCount() - before, 2000u);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.lastWait, LProcessResultStopped);
}

TEST(ProcessThread, SignalWaitsOnTheWorker) {
    CountingThread worker;  // never started: only its interface is used
    LSignalObject signal;
    EXPECT_EQ(worker.ProcessWaitSignal(signal.Ref(), 10), LProcessResultFailed);
    signal.Set();
    EXPECT_EQ(worker.ProcessWaitSignal(signal.Ref(), 10), LProcessResultSuccess);
    LSignalObject other;
    LSignalObjectGroup group;
    group.Add(other.Ref());
    EXPECT_EQ(worker.ProcessWaitSignalObjectGroup(group, 10), LProcessResultFailed);
    EXPECT_FALSE(worker.IsToStop());
    EXPECT_EQ(worker.ProcessWait(10), LProcessResultSuccess);
}
