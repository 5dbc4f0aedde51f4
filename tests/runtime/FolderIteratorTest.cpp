#include "LFolderIterator.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

template <typename Iterator>
std::vector<std::string> Names(const std::string& path) {
    std::vector<std::string> names;
    for (Iterator it(path); it.HasEntry(); it.Next()) {
        EXPECT_EQ(it.Path(), it.Folder() + "/" + it.Name());
        names.push_back(it.Name());
    }
    std::sort(names.begin(), names.end());
    return names;
}

using NameList = std::vector<std::string>;

void MakeEntries(const TestFolder& folder) {
    for (const char* name : {"a.zel", "B.ZEL", "c.txt", ".hidden.zel"}) {
        std::ofstream(folder / name) << "x";
    }
    std::filesystem::create_directory(folder / "sub.zel");
}

}  // namespace

TEST(FolderIterator, ListsEveryEntryIncludingDotsAndHiddenNames) {
    TestFolder folder;
    MakeEntries(folder);
    EXPECT_EQ(Names<LFolderIterator>(folder.Path()),
              (NameList{".", "..", ".hidden.zel", "B.ZEL", "a.zel", "c.txt", "sub.zel"}));
    LFolderIterator it(folder.Path());
    EXPECT_EQ(it.Pattern(), "*");
}

TEST(FolderIterator, FileIteratorHidesDotNamesAndMatchesThePattern) {
    TestFolder folder;
    MakeEntries(folder);
    EXPECT_EQ(Names<LFile::FolderIterator>(folder.Path()),
              (NameList{"B.ZEL", "a.zel", "c.txt", "sub.zel"}));
    // Opened on a regular file: its folder, with its name as the pattern.
    std::ofstream(folder / "*.zel") << "x";
    LFile::FolderIterator it(folder / "*.zel");
    EXPECT_EQ(it.Folder(), folder.Path());
    EXPECT_EQ(it.Pattern(), "*.zel");
    EXPECT_EQ(Names<LFile::FolderIterator>(folder / "*.zel"),
              (NameList{"*.zel", "B.ZEL", "a.zel", "sub.zel"}));
}

TEST(FolderIterator, StaysClosedWithoutAFolder) {
    TestFolder folder;
    std::string emptyFolder = folder / "empty";
    mkdir(emptyFolder.c_str(), 0755);
    EXPECT_EQ(Names<LFile::FolderIterator>(emptyFolder), NameList{});
    EXPECT_EQ(Names<LFolderIterator>(folder / "missing"), NameList{});
    EXPECT_EQ(Names<LFolderIterator>(""), NameList{});

    LFolderIterator it(emptyFolder);
    EXPECT_TRUE(it.HasEntry());
    while (it.HasEntry()) {
        it.Next();
    }
    EXPECT_EQ(it.Name(), "") << "no current entry past the end";
    it.Next();
    EXPECT_FALSE(it.HasEntry());
}
