#include "LProcessInterfaceSilent.h"
#include "LTiming.h"

#include <gtest/gtest.h>

#include <thread>

TEST(ProcessInterfaceSilent, NeverStopsAndWaitsItsTime) {
    LProcessInterfaceSilent silent;
    EXPECT_FALSE(silent.IsToStop());
    unsigned int before = GetTickCount();
    EXPECT_EQ(silent.ProcessWait(40), LProcessResultSuccess);
    EXPECT_GE(GetTickCount() - before, 39u);
    // Reports go nowhere and must not fail.
    silent.SetError("x");
    silent.SetStatus("x", 1);
    silent.SetProgress(0.5);
    silent.SetProgressIndeterminateOn();
    silent.SetProgressIndeterminateOff();
}

TEST(ProcessInterfaceSilent, SignalWaitSucceedsWhenSetAndFailsOnTimeOut) {
    LProcessInterfaceSilent silent;
    LSignalObject signal;
    EXPECT_EQ(silent.ProcessWaitSignal(signal.Ref(), 30), LProcessResultFailed);

    std::thread setter([ref = signal.Ref()] {
        Sleep(20);
        ref.Set();
    });
    EXPECT_EQ(silent.ProcessWaitSignal(signal.Ref(), 0xFFFFFFFFu), LProcessResultSuccess);
    setter.join();
}

TEST(ProcessInterfaceSilent, GroupWaitSucceedsForAnyMember) {
    LProcessInterfaceSilent silent;
    LSignalObject first;
    LSignalObject second;
    LSignalObjectGroup group;
    group.Add(first.Ref());
    group.Add(second.Ref());
    EXPECT_EQ(silent.ProcessWaitSignalObjectGroup(group, 30), LProcessResultFailed);
    second.Set();
    EXPECT_EQ(silent.ProcessWaitSignalObjectGroup(group, 30), LProcessResultSuccess);
}
