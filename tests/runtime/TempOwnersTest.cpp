#include "LFileStatus.h"
#include "LTempFile.h"
#include "LTempFiles.h"
#include "LTempFolder.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

TEST(TempOwners, FolderGoesWithEverythingInItUnlessReleased) {
    TestFolder root;
    std::string made;
    {
        LTempFolder folder(root / "work");
        std::filesystem::create_directories(folder.Path() + "/sub");
        std::ofstream(folder.Path() + "/sub/file") << "x";
        LTempFolder moved(std::move(folder));
        EXPECT_FALSE(folder.IsSet());
        made = moved.Path();
    }
    EXPECT_FALSE(LFileExists(made));

    LTempFolder kept(root / "kept");
    std::filesystem::create_directory(kept.Path());
    std::string path = kept.Release();
    EXPECT_TRUE(LFolderExists(path));
    EXPECT_TRUE(LTempFolder().Reset(path));
    EXPECT_FALSE(LFileExists(path));
}

TEST(TempOwners, FileIsDeletedUnlessReleased) {
    TestFolder root;
    std::string name;
    {
        LTempFile file(LFileCreateTempName(root.Path(), ".tmp"));
        name = file.Path();
        EXPECT_TRUE(LFileExists(name));
        LTempFile other;
        other = std::move(file);
    }
    EXPECT_FALSE(LFileExists(name));

    LTempFile kept(LFileCreateTempName(root.Path()));
    std::string keptName = kept.Release();
    kept.Reset();
    EXPECT_TRUE(LFileExists(keptName));
}
