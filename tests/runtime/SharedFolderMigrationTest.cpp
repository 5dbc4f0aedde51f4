#include "LFileStatus.h"
#include "LSharedFolderMigration.h"
#include "LStandardFolders.h"
#include "TempEnvironment.h"
#include "TestFiles.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(SharedFolderMigration, CopiesTheOlderTreeOnceAndWritesTheMarker) {
    TestFolder data;
    TestFolder older;
    TempEnvironment xdg("XDG_DATA_HOME", data.Path());
    std::filesystem::create_directories(older / "install");
    std::ofstream(older / "SharedSettings.xml") << "<Settings/>\n";
    std::ofstream(older / "install/readme") << "r";

    LSharedFolderMigrate(older.Path());
    std::string shared = data / "QOR Software/Zel/Shared";
    EXPECT_EQ(ReadAll(shared + "/SharedSettings.xml"), "<Settings/>\n");
    EXPECT_EQ(ReadAll(shared + "/install/readme"), "r");
    EXPECT_TRUE(LFileIsRegular(shared + "/.SharedFolderMigrated"));
    EXPECT_EQ(std::filesystem::file_size(shared + "/.SharedFolderMigrated"), 0u);

    // A second start copies nothing, even what is new in the older tree.
    std::filesystem::remove(shared + "/SharedSettings.xml");
    std::ofstream(older / "new") << "n";
    LSharedFolderMigrate(older.Path());
    EXPECT_FALSE(LFileExists(shared + "/SharedSettings.xml"));
    EXPECT_FALSE(LFileExists(shared + "/new"));
}

TEST(SharedFolderMigration, AnExistingSharedFolderIsNotOverwritten) {
    TestFolder data;
    TestFolder older;
    TempEnvironment xdg("XDG_DATA_HOME", data.Path());
    std::ofstream(older / "SharedSettings.xml") << "old";
    std::string shared = GetSharedFolder();
    std::ofstream(shared + "/SharedSettings.xml") << "current";

    LSharedFolderMigrate(older.Path());
    EXPECT_EQ(ReadAll(shared + "/SharedSettings.xml"), "current");
    EXPECT_TRUE(LFileExists(shared + "/.SharedFolderMigrated"));
}

TEST(SharedFolderMigration, WithoutAnOlderTreeNothingIsCopiedAndItLooksAgainLater) {
    TestFolder data;
    TestFolder older;
    TempEnvironment xdg("XDG_DATA_HOME", data.Path());
    LSharedFolderMigrate(older / "missing");
    std::string shared = data / "QOR Software/Zel/Shared";
    EXPECT_FALSE(LFileExists(shared));

    std::ofstream(older / "SharedSettings.xml") << "found later";
    LSharedFolderMigrate(older.Path());
    EXPECT_EQ(ReadAll(shared + "/SharedSettings.xml"), "found later");
    EXPECT_EQ(LSharedFolderOlderLocation(), "/usr/local/share/QOR Software/Zel");
}
