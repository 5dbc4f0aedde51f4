#include "EncryptFixture.h"
#include "LEncryptPlaceOutput.h"

#include <sys/stat.h>
#include <filesystem>

// The rename into place meets another file system: the file is copied beside
// the target, synced and renamed over it, keeping its mode.
TEST(EncryptPlaceOutput, CopiesAcrossFileSystems) {
    std::string pattern = "/dev/shm/zeltest-XXXXXX";
    if (!std::filesystem::is_directory("/dev/shm") || mkdtemp(pattern.data()) == nullptr) {
        GTEST_SKIP() << "no /dev/shm";
    }
    const std::string source = pattern + "/crypto";
    TestFolder target;
    WriteText(source, std::string(3 << 20, 'z'));
    chmod(source.c_str(), 0640);
    WriteText(target / "box.zel", "older");

    bool moved = LEncryptMoveIntoPlace(source, target / "box.zel");
    bool sourceLeft = std::filesystem::exists(source);
    std::filesystem::remove_all(pattern);
    ASSERT_TRUE(moved);
    EXPECT_FALSE(sourceLeft);
    EXPECT_EQ(ReadBytes(target / "box.zel"), std::vector<unsigned char>(3 << 20, 'z'));
    EXPECT_THAT(FolderNames(target.Path()), ::testing::ElementsAre("box.zel"));
    struct stat status {};
    ASSERT_EQ(stat((target / "box.zel").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(EncryptPlaceOutput, FailsWithoutATargetFolder) {
    TestFolder folder;
    WriteText(folder / "crypto", "x");
    EXPECT_FALSE(LEncryptMoveIntoPlace(folder / "crypto", folder / "missing/box.zel"));
    EXPECT_TRUE(std::filesystem::exists(folder / "crypto"));
}
