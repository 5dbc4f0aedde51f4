#include "LFileDescriptor.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

bool IsOpenDescriptor(int fd) {
    return fcntl(fd, F_GETFD) != -1;
}

int OpenNull() {
    return open("/dev/null", O_RDONLY | O_CLOEXEC);
}

}  // namespace

TEST(FileDescriptor, ClosesWhenItGoes) {
    int raw = OpenNull();
    ASSERT_GE(raw, 0);
    {
        LFileDescriptor owner(raw);
        EXPECT_TRUE(owner.IsOpen());
        EXPECT_EQ(owner.Get(), raw);
    }
    EXPECT_FALSE(IsOpenDescriptor(raw));
    EXPECT_FALSE(LFileDescriptor().IsOpen());
}

TEST(FileDescriptor, MoveHandsOwnershipOverOnce) {
    int first = OpenNull();
    int second = OpenNull();
    LFileDescriptor a(first);
    LFileDescriptor b(second);
    b = std::move(a);
    EXPECT_FALSE(IsOpenDescriptor(second)) << "the overwritten descriptor is closed";
    EXPECT_FALSE(a.IsOpen());
    EXPECT_EQ(b.Get(), first);

    LFileDescriptor c(std::move(b));
    EXPECT_FALSE(b.IsOpen());
    EXPECT_TRUE(IsOpenDescriptor(first));
    c = std::move(c);
    EXPECT_TRUE(IsOpenDescriptor(first)) << "moving onto itself keeps it open";
}

TEST(FileDescriptor, ReleaseAndReset) {
    int raw = OpenNull();
    LFileDescriptor owner(raw);
    EXPECT_EQ(owner.Release(), raw);
    EXPECT_FALSE(owner.IsOpen());
    EXPECT_TRUE(IsOpenDescriptor(raw)) << "released, not closed";

    owner.Reset(raw);
    owner.Reset(raw);
    EXPECT_TRUE(IsOpenDescriptor(raw)) << "resetting to the same descriptor keeps it";
    owner.Reset();
    EXPECT_FALSE(IsOpenDescriptor(raw));
}
