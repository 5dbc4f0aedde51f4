#include "LFileChooser.h"
#include "ScriptedTest.h"
#include "TestFolder.h"

#include <cstdlib>
#include <filesystem>

using ::testing::ElementsAre;

// Choosers with a private home folder, so "Documents" is known.
class FileChooser : public ScriptedTest {
protected:
    void SetUp() override {
        const char* old = std::getenv("HOME");
        savedHome = old != nullptr ? old : "";
        setenv("HOME", home.Path().c_str(), 1);
        std::filesystem::create_directories(home / "Documents");
        std::filesystem::create_directories(home / "work");
    }
    void TearDown() override {
        ScriptedTest::TearDown();
        setenv("HOME", savedHome.c_str(), 1);
    }

    TestFolder home;
    std::string savedHome;
};

TEST_F(FileChooser, SaveStartsFromThePathWithTheDefaultExtension) {
    struct Case {
        std::string path;
        std::string extension;
        std::string folder;
        std::string name;
    } cases[] = {
        {"", "zel", "Documents", "Untitled.zel"},
        {"", "*", "Documents", "Untitled.txt"},
        {"", "", "Documents", "Untitled.txt"},
        {"work", "app", "work", "Untitled.app"},
        {"work/report.zel", "app", "work", "report.app"},
        {"work/notes", "zel", "work", "notes.zel"},
        {"missing/report.txt", "*", "Documents", "report.txt"},
    };
    for (const Case& c : cases) {
        host.CancelChooser();
        std::string path = c.path.empty() ? "" : home / c.path;
        std::string folder = "unchanged";
        int filter = 0;
        EXPECT_FALSE(LFileChooseSave(nullptr, path, "Select filename to encrypt to", folder,
                                     {kLFilterZel}, c.extension, filter));
        const LChooserRequest& shown = host.Choosers().back();
        EXPECT_EQ(shown.kind, LChooserKind::Save);
        EXPECT_EQ(shown.folder, home / c.folder) << c.path;
        EXPECT_EQ(shown.name, c.name) << c.path;
        EXPECT_EQ(folder, "unchanged");
    }
}

TEST_F(FileChooser, SaveGivesThePathItsFolderAndTheFilterInUse) {
    host.Choose({home / "work/out.app"}, 2);
    std::string path;
    std::string folder;
    int filter = 0;
    EXPECT_TRUE(LFileChooseSave(nullptr, path, "Save", folder,
                                {kLFilterZel, kLFilterSelfDecrypting}, "zel", filter));
    EXPECT_EQ(path, home / "work/out.app");
    EXPECT_EQ(folder, home / "work");
    EXPECT_EQ(filter, 2);
    EXPECT_THAT(host.Choosers().back().filters,
                ElementsAre(LFileFilter{"ZEL files", "*.zel"},
                            LFileFilter{"Self-Decrypting files", "*.app"}));
    EXPECT_EQ(host.Choosers().back().prompt, "Save");
}

TEST_F(FileChooser, OpenStartsInTheFolderOrThePathsFolderAndUpdatesBoth) {
    host.CancelChooser().Choose({home / "work/a.zel"});
    std::string path = home / "work/old.zel";
    std::string folder;
    EXPECT_FALSE(
        LFileChooseOpen(nullptr, path, "Select file to decrypt", folder, {kLFilterZel}, "zel"));
    EXPECT_EQ(host.Choosers().back().folder, home / "work");
    folder = home / "Documents";
    EXPECT_TRUE(
        LFileChooseOpen(nullptr, path, "Select file to decrypt", folder, {kLFilterZel}, "zel"));
    EXPECT_EQ(host.Choosers().back().folder, home / "Documents");
    EXPECT_EQ(path, home / "work/a.zel");
    EXPECT_EQ(folder, home / "work");
}

TEST_F(FileChooser, OpenMultipleStartsInDocumentsWithoutAFolderAndReturnsTheFiles) {
    host.Choose({home / "work/a", home / "work/b"});
    std::vector<std::string> files;
    std::string folder;
    EXPECT_TRUE(
        LFileChooseOpenMultiple(nullptr, files, "Select file(s)", folder, {kLFilterAllFiles}, "*"));
    EXPECT_EQ(host.Choosers().back().kind, LChooserKind::OpenMultiple);
    EXPECT_EQ(host.Choosers().back().folder, home / "Documents");
    EXPECT_THAT(files, ElementsAre(home / "work/a", home / "work/b"));
    EXPECT_EQ(folder, home / "work");
}

TEST_F(FileChooser, FolderStartsAtThePathItsParentOrDocuments) {
    struct Case {
        std::string path;
        std::string start;
    } cases[] = {{"work", "work"}, {"work/gone", "work"}, {"", "Documents"}, {"x/y", "Documents"}};
    for (const Case& c : cases) {
        host.CancelChooser();
        std::string path = c.path.empty() ? "" : home / c.path;
        EXPECT_FALSE(LFolderChoose(nullptr, path, "Select output location"));
        EXPECT_EQ(host.Choosers().back().folder, home / c.start) << c.path;
    }
    host.Choose({home / "work"});
    std::string chosen;
    EXPECT_TRUE(LFolderChoose(nullptr, chosen, "Select output location"));
    EXPECT_EQ(chosen, home / "work");
}

TEST_F(FileChooser, AnEmptyChoiceCountsAsCancelled) {
    host.Choose({""});
    std::string path = "kept";
    EXPECT_FALSE(LFolderChoose(nullptr, path, "Select"));
    EXPECT_EQ(path, "kept");
}
