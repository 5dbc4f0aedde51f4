#include "LFreeDiskSpace.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/statvfs.h>

namespace {

uint64_t FreeBytes(const std::string& path) {
    struct statvfs volume {};
    return statvfs(path.c_str(), &volume) == 0
               ? static_cast<uint64_t>(volume.f_bfree) * volume.f_frsize
               : 0;
}

// Free space moves while other programs write; a few megabytes either way is the same answer.
void ExpectAbout(uint64_t actual, uint64_t expected) {
    uint64_t slack = 64ull << 20;
    EXPECT_GE(actual + slack, expected);
    EXPECT_LE(actual, expected + slack);
}

}  // namespace

TEST(FreeDiskSpace, AsksTheVolumeOrTheNearestExistingFolder) {
    TestFolder folder;
    ASSERT_GT(FreeBytes(folder.Path()), 0u);
    ExpectAbout(LGetFreeDiskSpace(folder.Path()), FreeBytes(folder.Path()));
    ExpectAbout(LGetFreeDiskSpace(folder / "not/yet/there.zel"), FreeBytes(folder.Path()));
    ExpectAbout(LGetFreeDiskSpace("/no-such-folder/out.zel"), FreeBytes("/"));
    ExpectAbout(LGetFreeDiskSpace("no-such-relative/out.zel"), FreeBytes("."));
    if (FreeBytes("/dev/shm") > 0) {
        ExpectAbout(LGetFreeDiskSpace("/dev/shm/not-there"), FreeBytes("/dev/shm"));
    }
}
