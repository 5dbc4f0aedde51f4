#include "DecryptSupport.h"
#include "LCommand.h"
#include "LUserSettings.h"
#include "LWindow.h"

using namespace decrypt_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Two files, a.txt and b.txt, with new content.
void TwoFiles(const std::string& path) {
    ContainerBytes container;
    container.Header(2, 0, kSecretMD5)
        .FileEntry(0, "/x/a.txt", "new a", 0, "secret")
        .FileEntry(0, "/x/b.txt", "new b", 0, "secret");
    Save(path, container);
}

}  // namespace

class DecryptOverwrite : public DecryptTest {
protected:
    DecryptOverwrite() {
        TwoFiles(data.containerPath);
        WriteAll(Dest("a.txt"), "old a");
        WriteAll(Dest("b.txt"), "old b");
    }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> texts;
        for (const LMessageBoxRequest& box : host.MessageBoxes()) {
            texts.push_back(box.caption + " | " + box.message + " | " + box.tickText);
        }
        return texts;
    }
    std::string Prompt(const std::string& name) const {
        return "File Exists | File \"" + Dest(name) +
               "\" already exists. Click 'Overwrite' to overwrite it. | "
               "Do this for each file or folder.";
    }
};

TEST_F(DecryptOverwrite, NoWithTheTickKeepsBothAfterOnePrompt) {
    host.Answer(1, true);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(Prompts(), ElementsAre(Prompt("a.txt")));
    EXPECT_EQ(host.MessageBoxes()[0].buttons,
              (std::vector<std::string>{"Overwrite", "No", "Cancel"}));
    EXPECT_EQ(ReadAll(Dest("a.txt")), "old a");
    EXPECT_EQ(ReadAll(Dest("b.txt")), "old b");
    EXPECT_THAT(data.leftOut, IsEmpty());
}

TEST_F(DecryptOverwrite, OverwriteWithTheTickReplacesBothAfterOnePrompt) {
    host.Answer(0, true);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(Prompts(), ElementsAre(Prompt("a.txt")));
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");
    EXPECT_EQ(ReadAll(Dest("b.txt")), "new b");
}

TEST_F(DecryptOverwrite, WithoutTheTickEveryNameIsAsked) {
    host.Answer(1).Answer(0);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(Prompts(), ElementsAre(Prompt("a.txt"), Prompt("b.txt")));
    EXPECT_EQ(ReadAll(Dest("a.txt")), "old a");
    EXPECT_EQ(ReadAll(Dest("b.txt")), "new b");
}

TEST_F(DecryptOverwrite, CancelStopsTheRunAndKeepsTheFile) {
    host.Answer(2);
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_EQ(ReadAll(Dest("a.txt")), "old a");
    EXPECT_EQ(ReadAll(Dest("b.txt")), "old b");
    EXPECT_THAT(recorder.errors, IsEmpty());
}

TEST_F(DecryptOverwrite, QuietRunsOverwriteWithoutAsking) {
    data.quiet = 1;
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(host.MessageBoxes(), IsEmpty());
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");
    EXPECT_EQ(ReadAll(Dest("b.txt")), "new b");
}

// A dangling link counts as something that exists; overwriting replaces the
// link itself.
TEST_F(DecryptOverwrite, ADanglingLinkIsAskedAboutAndReplaced) {
    std::filesystem::remove(Dest("a.txt"));
    symlink("nowhere", Dest("a.txt").c_str());
    host.Answer(0, true);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(Prompts(), ElementsAre(Prompt("a.txt")));
    EXPECT_FALSE(std::filesystem::is_symlink(Dest("a.txt")));
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");
}

// Where the destination comes from when the caller gave none.
class DecryptDestination : public DecryptTest {
protected:
    DecryptDestination() {
        TwoFiles(data.containerPath);
        data.destination.clear();
    }
    std::string LastOutputFolder() const {
        std::string value;
        LUserSettingGet("Crypto", "LastOutputFolder", "", value);
        return value;
    }
};

TEST_F(DecryptDestination, TypeOneRestoresBesideTheContainer) {
    LUserSettingSet("Crypto", "OutputLocationType", 1);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(ReadAll(root / "a.txt"), "new a");
    EXPECT_THAT(host.Choosers(), IsEmpty());
}

TEST_F(DecryptDestination, TypeTwoUsesTheConfiguredFolderAndMakesIt) {
    LUserSettingSet("Crypto", "OutputLocationType", 2);
    LUserSettingSet("Crypto", "OutputLocation", root / "configured/deeper");
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(ReadAll(root / "configured/deeper/b.txt"), "new b");
}

TEST_F(DecryptDestination, TypeZeroAsksStartingInTheLastFolderAndRemembersTheChoice) {
    LUserSettingSet("Crypto", "LastOutputFolder", root / "src");
    host.Choose({root / "dest"});
    EXPECT_EQ(Run(), LProcessResultSuccess);
    ASSERT_EQ(host.Choosers().size(), 1u);
    EXPECT_EQ(host.Choosers()[0].kind, LChooserKind::Folder);
    EXPECT_EQ(host.Choosers()[0].prompt, "Please specify folder to decrypt files to.");
    EXPECT_EQ(host.Choosers()[0].folder, root / "src");
    EXPECT_EQ(host.Choosers()[0].parent, nullptr);
    EXPECT_EQ(LastOutputFolder(), root / "dest");
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");
}

TEST_F(DecryptDestination, SelfDecryptAsksWhateverTheLocationType) {
    LUserSettingSet("Crypto", "OutputLocationType", 1);
    data.selfDecrypt = 1;
    host.Choose({root / "dest"});
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(host.Choosers().size(), 1u);
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");
}

TEST_F(DecryptDestination, AnEmptyConfiguredFolderAsksAndCancelStops) {
    LUserSettingSet("Crypto", "OutputLocationType", 2);
    host.CancelChooser();
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_EQ(LastOutputFolder(), "");
    EXPECT_FALSE(std::filesystem::exists(Dest("a.txt")));
}

// The password dialog when the caller gave none, and what the header check
// says.
TEST_F(DecryptTest, AsksForAMissingPassword) {
    TwoFiles(data.containerPath);
    data.password.clear();
    host.Inspect([](LWindow& w) { EXPECT_EQ(w.GetTitle(), "Enter Password"); })
        .Type(101, "secret")
        .Click(kLCommandOK);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");
    EXPECT_EQ(data.password, "");
}

TEST_F(DecryptTest, CancelledPasswordDialogStops) {
    TwoFiles(data.containerPath);
    data.password.clear();
    host.PressEscape();
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_FALSE(std::filesystem::exists(Dest("a.txt")));
}

TEST_F(DecryptTest, WrongPasswordSaysSoAndWritesNothing) {
    TwoFiles(data.containerPath);
    data.password = "Secret";
    data.destination = root / "dest/not-made";
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_THAT(recorder.errors, ElementsAre("Invalid password"));
    EXPECT_FALSE(std::filesystem::exists(root / "dest/not-made"));
}

TEST_F(DecryptTest, MissingOrForeignFilesFailWithoutAMessage) {
    EXPECT_EQ(Run(), LProcessResultFailed);  // no container at the path
    WriteAll(data.containerPath, "PK\3\4 not a container at all, just some bytes........");
    EXPECT_EQ(Run(), LProcessResultFailed);
    data.containerPath.clear();
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_THAT(recorder.errors, IsEmpty());
    EXPECT_EQ(data.errorText, "");
    EXPECT_THAT(Snapshot(root / "dest"), IsEmpty());
}

// The destination itself may be a link to a folder; a destination that is no folder fails the
// run with a message before anything is written.
TEST_F(DecryptTest, TheDestinationIsFollowedOnceAndMustBeAFolder) {
    TwoFiles(data.containerPath);
    symlink((root / "dest").c_str(), (root / "linked").c_str());
    data.destination = root / "linked";
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new a");

    WriteAll(root / "file", "");
    data.destination = root / "file";
    EXPECT_EQ(Run(), LProcessResultFailed);
    const std::string message =
        "Could not open the folder \"" + root / "file" + "\" to decrypt files to.";
    EXPECT_THAT(recorder.errors, ElementsAre(message));
    EXPECT_EQ(data.errorText, message);
}
