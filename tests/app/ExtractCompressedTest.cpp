#include "LExtractCompressed.h"
#include "LRunCommand.h"
#include "LScriptedHost.h"
#include "TestFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
}

class ExtractCompressed : public ::testing::Test {
protected:
    ExtractCompressed() : scope(host) { fs::create_directories(destination); }

    // An archive with the entries as given, names unchecked, as a hostile one would be.
    void MakeArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
        std::string script = "import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1], 'w')\n";
        for (const auto& [name, text] : entries) {
            script += "z.writestr(" + Quote(name) + ", " + Quote(text) + ")\n";
        }
        script += "z.close()\n";
        ASSERT_TRUE(LRunCommandArgv({"/usr/bin/python3", "-c", script, archive}));
    }

    static std::string Quote(const std::string& text) { return "'''" + text + "'''"; }

    bool Extract() { return LExtractCompressed(nullptr, archive, destination, leftOut); }

    std::string Dest(const std::string& name) const { return destination + "/" + name; }

    TestFolder folder;
    std::string archive = folder.Path() + "/crypted.zip";
    std::string destination = folder.Path() + "/dest";
    std::vector<std::string> leftOut;
    LScriptedHost host;
    LUIHostScope scope;
};

}  // namespace

TEST_F(ExtractCompressed, EntriesLandInTheDestinationInArchiveOrder) {
    MakeArchive({{"a.txt", "alpha"}, {"sub/-b[1]*.txt", "beta"}});
    EXPECT_THAT(LZipEntryNames(archive), ElementsAre("a.txt", "sub/-b[1]*.txt"));
    EXPECT_TRUE(Extract());
    EXPECT_EQ(ReadText(Dest("a.txt")), "alpha");
    EXPECT_EQ(ReadText(Dest("sub/-b[1]*.txt")), "beta");
    EXPECT_THAT(leftOut, IsEmpty());
    EXPECT_THAT(host.MessageBoxes(), IsEmpty());
}

TEST_F(ExtractCompressed, NamesThatLeaveTheDestinationAreSkippedAndReported) {
    MakeArchive(
        {{"../evil.txt", "x"}, {"a/../../evil2.txt", "x"}, {"//abs.txt", "x"}, {"ok.txt", "fine"}});
    EXPECT_TRUE(Extract());
    EXPECT_FALSE(fs::exists(folder.Path() + "/evil.txt"));
    EXPECT_FALSE(fs::exists(folder.Path() + "/evil2.txt"));
    EXPECT_FALSE(fs::exists("/abs.txt"));
    EXPECT_EQ(ReadText(Dest("ok.txt")), "fine");
    ASSERT_EQ(leftOut.size(), 3u);
    EXPECT_THAT(leftOut[0], HasSubstr("../evil.txt"));
}

TEST_F(ExtractCompressed, NothingIsWrittenThroughALinkedFolder) {
    const std::string outside = folder.Path() + "/outside";
    fs::create_directories(outside);
    fs::create_directory_symlink(outside, Dest("linked"));
    MakeArchive({{"linked/c.txt", "through"}});
    EXPECT_TRUE(Extract());
    EXPECT_FALSE(fs::exists(outside + "/c.txt"));
    EXPECT_THAT(leftOut, ElementsAre(HasSubstr("linked/c.txt")));
}

TEST_F(ExtractCompressed, ExistingTargetsAreAskedAbout) {
    MakeArchive({{"a.txt", "new a"}, {"b.txt", "new b"}, {"c.txt", "new c"}});
    WriteText(Dest("a.txt"), "old a");
    WriteText(Dest("b.txt"), "old b");
    // Skip with the tick: b is skipped without a second question, c does not exist.
    host.Answer(1, true);
    EXPECT_TRUE(Extract());
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    const LMessageBoxRequest& box = host.MessageBoxes()[0];
    EXPECT_EQ(box.caption, "File Exists");
    EXPECT_EQ(box.message, "File \"a.txt\" already exists.  Click 'Overwrite' to overwrite it.");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"Overwrite", "Skip", "Cancel"}));
    EXPECT_EQ(ReadText(Dest("a.txt")), "old a");
    EXPECT_EQ(ReadText(Dest("b.txt")), "old b");
    EXPECT_EQ(ReadText(Dest("c.txt")), "new c");
}

TEST_F(ExtractCompressed, OverwriteReplacesALinkItselfAndCancelEnds) {
    MakeArchive({{"a.txt", "new a"}, {"b.txt", "new b"}});
    const std::string victim = folder.Path() + "/victim";
    WriteText(victim, "keep");
    fs::create_symlink(victim, Dest("a.txt"));
    WriteText(Dest("b.txt"), "old b");
    host.Answer(0).Answer(2);
    EXPECT_FALSE(Extract());
    EXPECT_FALSE(fs::is_symlink(Dest("a.txt")));
    EXPECT_EQ(ReadText(Dest("a.txt")), "new a");
    EXPECT_EQ(ReadText(victim), "keep");
    EXPECT_EQ(ReadText(Dest("b.txt")), "old b");
}
