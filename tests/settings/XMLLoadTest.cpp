#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>

#include "LFileDescriptor.h"
#include "LXMLElement.h"
#include "TestFolder.h"
#include "XMLTreeText.h"

namespace {

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(XMLLoad, ReadsAFileAndReportsItsParseError) {
    TestFolder folder;
    WriteFile(folder / "s.xml", "<Settings>\n\t<Key value=\"3\"/>\n</Setting>\n<x/>");
    LXMLElement document;
    std::string error;
    EXPECT_TRUE(document.Load(folder / "s.xml", error));
    EXPECT_EQ(XMLTreeText(document), "Settings[\"\\n\t\" Key{value=3} \"\\n\"] \"\\n\" x");
    EXPECT_EQ(error,
              "Ln 3, Col 11: Element <Settings> should be terminated with </Settings>, was "
              "with Setting. Check you have terminated your element properly.");
}

TEST(XMLLoad, EmptyFileGivesNoChildrenAndNoError) {
    TestFolder folder;
    WriteFile(folder / "empty.xml", "");
    LXMLElement document;
    document.GetOrAddChild("old");
    std::string error = "x";
    EXPECT_TRUE(document.Load(folder / "empty.xml", error));
    EXPECT_TRUE(document.children.empty());
    EXPECT_EQ(error, "");
}

TEST(XMLLoad, FileErrorsLeaveTheChildren) {
    TestFolder folder;
    const std::string missing = folder / "missing.xml";
    const std::string longMissing = folder / std::string(300, 'm');
    struct {
        std::string path;
        std::string error;
    } const cases[] = {
        {missing, "File does not exist: " + missing},
        {longMissing, ("File does not exist: " + longMissing).substr(0, 259)},
        {folder.Path(), "Cannot open xml file: " + folder.Path()},
    };
    for (const auto& c : cases) {
        LXMLElement document;
        document.GetOrAddChild("kept");
        std::string error;
        EXPECT_FALSE(document.Load(c.path, error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(XMLTreeText(document), "kept");
    }
}

TEST(XMLLoad, UnreadableFileCannotBeOpened) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TestFolder folder;
    WriteFile(folder / "locked.xml", "<a/>");
    chmod((folder / "locked.xml").c_str(), 0);
    LXMLElement document;
    std::string error;
    EXPECT_FALSE(document.Load(folder / "locked.xml", error));
    EXPECT_EQ(error, "Cannot open xml file: " + (folder / "locked.xml"));
}

TEST(XMLLoad, ReadsAnywayAfterWaitingForAnExclusiveLock) {
    TestFolder folder;
    WriteFile(folder / "busy.xml", "<a/>");
    // flock locks belong to the open file, so a second open in this process conflicts too.
    LFileDescriptor holder(::open((folder / "busy.xml").c_str(), O_RDONLY));
    ASSERT_EQ(flock(holder.Get(), LOCK_EX | LOCK_NB), 0);
    LXMLElement document;
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(document.Load(folder / "busy.xml", error));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(XMLTreeText(document), "a");
    // The pauses 32, 64, 128, 256 and 512 ms come first.
    EXPECT_GE(waited, std::chrono::milliseconds(992));
}

}  // namespace
