#include "LSignalObject.h"
#include "LTerminalHost.h"
#include "LWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::ElementsAre;

namespace {

class TimedWindow : public LWindow {
public:
    void EvTimer(int id) override { fired.push_back(id); }
    std::vector<int> fired;
};

}  // namespace

TEST(TerminalEvents, TimersFireFromTheWaitsOnceDueAndOnlyOnce) {
    LTerminalHost host;
    TimedWindow window;
    host.SetTimer(window, 1, 30);
    host.SetTimer(window, 2, 0);
    host.SetTimer(window, 3, 10);
    host.KillTimer(window, 3);
    EXPECT_EQ(host.WaitForEvent(5000, -1), LUIWaitResult::Event);
    EXPECT_THAT(window.fired, ElementsAre(2));
    EXPECT_EQ(host.WaitForEvent(5000, -1), LUIWaitResult::Event);
    EXPECT_THAT(window.fired, ElementsAre(2, 1));
    EXPECT_EQ(host.WaitForEvent(20, -1), LUIWaitResult::TimedOut);
    EXPECT_FALSE(host.PumpEvents());
}

TEST(TerminalEvents, AWaitEndsWhenItsDescriptorIsReady) {
    LTerminalHost host;
    LSignalObject signal;
    EXPECT_EQ(host.WaitForEvent(10, signal.ReadFd()), LUIWaitResult::TimedOut);
    signal.Set();
    EXPECT_EQ(host.WaitForEvent(0xFFFFFFFFu, signal.ReadFd()), LUIWaitResult::Ready);
}

TEST(TerminalEvents, ADestroyedWindowLosesItsTimers) {
    LTerminalHost host;
    TimedWindow window;
    host.SetTimer(window, 1, 0);
    host.DestroyWindow(window);
    EXPECT_EQ(host.WaitForEvent(30, -1), LUIWaitResult::TimedOut);
    EXPECT_TRUE(window.fired.empty());
}
