#include "LSignalObject.h"
#include "LTiming.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <thread>
#include <vector>

TEST(SignalObject, LatchesUntilResetEvenWhenSetTwice) {
    LSignalObject signal;
    EXPECT_FALSE(signal.IsSet());
    signal.Set();
    EXPECT_TRUE(signal.IsSet());
    signal.Set();
    signal.Reset();
    EXPECT_FALSE(signal.IsSet());
    signal.Reset();  // resetting a clear signal must not block
    EXPECT_FALSE(signal.IsSet());
}

TEST(SignalObject, EndsAreNonBlockingAndCloseOnExec) {
    LSignalObject signal;
    for (int fd : {signal.ReadFd(), signal.WriteFd()}) {
        ASSERT_GE(fd, 0);
        EXPECT_TRUE(fcntl(fd, F_GETFL) & O_NONBLOCK);
        EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
    }
}

TEST(SignalObject, WaitZeroAnswersAtOnce) {
    LSignalObject signal;
    unsigned int before = GetTickCount();
    EXPECT_FALSE(signal.Wait(0));
    signal.Set();
    EXPECT_TRUE(signal.Wait(0));
    EXPECT_LT(GetTickCount() - before, 1000u);
}

TEST(SignalObject, WaitTimesOutWhenNobodySets) {
    LSignalObject signal;
    unsigned int before = GetTickCount();
    EXPECT_FALSE(signal.Wait(50));
    EXPECT_GE(GetTickCount() - before, 45u);
}

TEST(SignalObject, SetFromAnotherThreadWakesAnEndlessWait) {
    LSignalObject signal;
    LSignalObjectRef ref = signal.Ref();
    std::thread setter([ref] {
        Sleep(30);
        ref.Set();
    });
    EXPECT_TRUE(signal.Wait(0xFFFFFFFFu));
    setter.join();
    EXPECT_TRUE(signal.IsSet());
}

TEST(SignalObjectGroup, KeepsTheFirst255Members) {
    LSignalObjectGroup group;
    for (int fd = 1000; fd < 1300; ++fd) {
        group.Add(fd);
    }
    EXPECT_EQ(group.Count(), 255);
    EXPECT_EQ(group.Highest(), 1254);
}

TEST(SignalObjectGroup, ReportsWhichMemberIsReadable) {
    LSignalObject first;
    LSignalObject second;
    LSignalObjectGroup group;
    group.Add(first.Ref());
    group.Add(second.Ref());
    EXPECT_EQ(group.Wait(10), 0);

    std::thread setter([ref = second.Ref()] {
        Sleep(20);
        ref.Set();
    });
    EXPECT_EQ(group.Wait(0xFFFFFFFFu), 1);
    setter.join();
    EXPECT_FALSE(group.IsReadable(first.ReadFd()));
    EXPECT_TRUE(group.IsReadable(second.ReadFd()));
}

TEST(SignalObjectGroup, HandlesDescriptorsAbove1023) {
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    if (files.rlim_cur < 2100 && files.rlim_max >= 2100) {
        files.rlim_cur = 2100;
        setrlimit(RLIMIT_NOFILE, &files);
    }
    LSignalObject signal;
    int high = fcntl(signal.ReadFd(), F_DUPFD_CLOEXEC, 2000);
    if (high < 0) {
        GTEST_SKIP() << "open-file limit too low for a descriptor above 1023";
    }
    LSignalObjectGroup group;
    group.Add(high);
    signal.Set();
    EXPECT_EQ(group.Wait(100), 1);
    EXPECT_TRUE(group.IsReadable(high));
    close(high);
}

TEST(Timing, TickDifferencesSurviveTheWrap) {
    unsigned int before = 0xFFFFFFF0u;
    unsigned int after = before + 0x20u;  // wrapped past zero
    EXPECT_EQ(after - before, 0x20u);

    unsigned int start = GetTickCount();
    Sleep(30);
    unsigned int elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(Timing, DeadlineRunsOutAndForeverDoesNot) {
    LDeadline soon(20);
    EXPECT_LE(soon.Remaining(), 20u);
    Sleep(30);
    EXPECT_EQ(soon.Remaining(), 0u);
    LDeadline never(0xFFFFFFFFu);
    EXPECT_TRUE(never.Forever());
    EXPECT_EQ(never.Remaining(), 0xFFFFFFFFu);
}
