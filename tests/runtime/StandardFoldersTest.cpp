#include "LFileStatus.h"
#include "LStandardFolders.h"
#include "TempEnvironment.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>

TEST(StandardFolders, ProductFolderUnderXdgDataHome) {
    TestFolder data;
    TempEnvironment xdg("XDG_DATA_HOME", data.Path());
    std::string product = LGetProductFolder();
    EXPECT_EQ(product, data / "QOR Software/Zel");
    EXPECT_TRUE(LFolderExists(product));

    std::string shared = GetSharedFolder();
    EXPECT_EQ(shared, data / "QOR Software/Zel/Shared");
    EXPECT_TRUE(LFolderExists(shared));
}

TEST(StandardFolders, DataFolderFallsBackToTheHomeFolder) {
    TestFolder home;
    TempEnvironment homeVariable("HOME", home.Path());
    struct Case {
        std::optional<std::string> xdg;
    } cases[] = {{std::nullopt}, {""}, {"relative/data"}};
    for (const Case& c : cases) {
        TempEnvironment xdg("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(LGetUserDataFolder(), home / ".local/share") << c.xdg.value_or("(unset)");
    }

    TempEnvironment xdg("XDG_DATA_HOME", std::nullopt);
    std::string product = LGetProductFolder();
    EXPECT_EQ(product, home / ".local/share/QOR Software/Zel");
    struct stat status {};
    ASSERT_EQ(stat((home / ".local").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u) << "a data folder made for the user is private";
}

TEST(StandardFolders, UserName) {
    struct Case {
        std::optional<std::string> logname, user;
        const char* expected;
    } cases[] = {
        {"alice", "bob", "alice"},
        {std::nullopt, "bob", "bob"},
        {std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        TempEnvironment logname("LOGNAME", c.logname);
        TempEnvironment user("USER", c.user);
        EXPECT_EQ(LGetUserName(), c.expected);
    }
}

TEST(StandardFolders, BundleIsFoundFromTheRunningExecutable) {
    std::string exe = LGetBundleExeFile();
    EXPECT_EQ(exe, std::filesystem::canonical("/proc/self/exe").string());
    // The test program sits in <build>/tests, as zel sits in <build>/bin.
    std::string prefix = std::filesystem::path(exe).parent_path().parent_path().string();
    EXPECT_EQ(LGetBundleFolder(), prefix);
    EXPECT_EQ(LGetBundleResourcesFolder(), prefix + "/share/zel");
    EXPECT_FALSE(LGetUserHomeDirectory().empty());
}

TEST(StandardFolders, ApplicationPathPrefersTheUsersApplicationsFolder) {
    TestFolder home;
    TempEnvironment homeVariable("HOME", home.Path());
    std::string path;
    EXPECT_FALSE(LGetApplicationPath(path, "Zel Decrypt"));
    EXPECT_EQ(path, "/opt/Zel Decrypt.app");

    std::filesystem::create_directories(home / "Applications/Zel Decrypt.app");
    EXPECT_TRUE(LGetApplicationPath(path, "Zel Decrypt"));
    EXPECT_EQ(path, home / "Applications/Zel Decrypt.app");
    EXPECT_FALSE(LGetApplicationPath(path, "Other"));
    EXPECT_EQ(path, home / "Applications/Other.app");
}
