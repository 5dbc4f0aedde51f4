#include "ContainerBytes.h"
#include "EncryptFixture.h"
#include "LFileChooser.h"
#include "LFileStatus.h"
#include "LUserSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The bytes of a small tree equal the layout worked out here by hand: the
// top-level file first, then the folders newest first, each followed by the
// files directly in it.
TEST_F(EncryptTest, SmallTreeGivesTheLayoutByteForByte) {
    for (int algorithm : {0, 1}) {
        WriteText(work / "ann/Docs/Sub/c.txt", "ccc");
        WriteText(work / "ann/Docs/b.txt", "bb");
        WriteText(work / "ann/a.txt", "a");
        data = LCryptData{};
        data.items = {work / "ann/Docs", work / "ann/a.txt"};
        data.containerPath = work / "out/box.zel";
        data.password = "secret";
        data.algorithm = algorithm;
        ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;

        ContainerBytes expected;
        expected.Header(3, static_cast<uint32_t>(algorithm), kSecretMD5)
            .FileEntry(0, work / "ann/a.txt", "a", algorithm, "secret")
            .EntryHead(1, "Docs/Sub")
            .FileEntry(0, work / "ann/Docs/Sub/c.txt", "ccc", algorithm, "secret")
            .EntryHead(1, "Docs")
            .FileEntry(0, work / "ann/Docs/b.txt", "bb", algorithm, "secret");
        EXPECT_EQ(ReadBytes(work / "out/box.zel"), expected.bytes) << "algorithm " << algorithm;
        EXPECT_THAT(data.leftOut, IsEmpty());
    }
}

TEST_F(EncryptTest, ReportsItsStepsAndProgressToTheEnd) {
    WriteText(work / "Docs/one.txt", "1");
    WriteText(work / "Docs/two.txt", "22");
    data.items = {work / "Docs"};
    data.containerPath = work / "out/box.zel";
    ASSERT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(process.status0, ElementsAre("Encrypting...", "Encrypting..."));
    EXPECT_EQ(process.status1.front(), "Preparing to encrypt");
    EXPECT_THAT(process.status1, Contains("one.txt"));
    EXPECT_THAT(process.status1, Contains("two.txt"));
    ASSERT_FALSE(process.progress.empty());
    EXPECT_EQ(process.progress.front(), 0.0);
    EXPECT_EQ(process.progress.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(process.progress.begin(), process.progress.end()));
    EXPECT_THAT(ContainerEntries(work / "out/box.zel").front(), "D Docs");
}

TEST_F(EncryptTest, ContainerPathRules) {
    struct Case {
        int locationType;
        std::string containerPath;  // relative to the work folder when it holds a '/'
        std::string made;           // relative to the work folder
    } cases[] = {
        {0, "out/report.txt", "out/report.zel"},       {0, "out/report.cry", "out/report.zel"},
        {0, "out/noextension", "out/noextension.zel"}, {2, "bare.txt", "out/bare.zel"},
        {2, "out/kept.txt", "out/kept.zel"},
    };
    WriteText(work / "a.txt", "a");
    LUserSettingSet("Crypto", "OutputLocation", work / "out");
    for (const Case& c : cases) {
        LUserSettingSet("Crypto", "OutputLocationType", c.locationType);
        data.items = {work / "a.txt"};
        data.containerPath = c.containerPath.find('/') == std::string::npos
                                 ? c.containerPath
                                 : work / c.containerPath;
        ASSERT_EQ(Run(), LProcessResultSuccess) << c.containerPath << ": " << data.errorText;
        EXPECT_EQ(data.containerPath, work / c.made);
        EXPECT_TRUE(std::filesystem::is_regular_file(work / c.made)) << c.made;
    }
    EXPECT_THAT(
        FolderNames(work / "out"),
        ::testing::UnorderedElementsAre("report.zel", "noextension.zel", "bare.zel", "kept.zel"));
    EXPECT_THAT(host.Choosers(), IsEmpty());
}

TEST_F(EncryptTest, SaveChooserProposesACryNameAndRemembersTheFolder) {
    struct Case {
        int locationType;
        std::string containerPath;
        std::string proposed;
    } cases[] = {
        {0, "", "Untitled.cry"},
        {1, "", "Untitled.cry"},
        {0, "letter.txt", "letter.cry"},
        {1, "letter.txt", "letter.cry"},
    };
    WriteText(work / "a.txt", "a");
    std::filesystem::create_directories(work / "chosen");
    for (const Case& c : cases) {
        LUserSettingSet("Crypto", "OutputLocationType", c.locationType);
        LUserSettingSet("Crypto", "LastFolder", work / "out");
        data.items = {work / "a.txt"};
        data.containerPath = c.containerPath;
        host.Choose({work / "chosen/picked.cry"});
        ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;
        const LChooserRequest& shown = host.Choosers().back();
        EXPECT_EQ(shown.kind, LChooserKind::Save);
        EXPECT_EQ(shown.prompt, "Please specify where to save encrypted file");
        EXPECT_THAT(shown.filters, ElementsAre(kLFilterZel));
        EXPECT_EQ(shown.defaultExtension, "cry");
        EXPECT_EQ(shown.name, c.proposed);
        EXPECT_EQ(shown.folder, work / "out");
        EXPECT_EQ(data.containerPath, work / "chosen/picked.zel");
        std::string last;
        LUserSettingGet("Crypto", "LastFolder", "", last);
        EXPECT_EQ(last, work / "chosen");
    }
    EXPECT_THAT(FolderNames(work / "chosen"), ElementsAre("picked.zel"));
}

TEST_F(EncryptTest, CancelledSaveChooserStopsAndLeavesNothing) {
    WriteText(work / "a.txt", "a");
    data.items = {work / "a.txt"};
    host.CancelChooser();
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_EQ(data.errorText, "");
    EXPECT_THAT(FolderNames(work / "out"), IsEmpty());
    std::string last;
    EXPECT_FALSE(LUserSettingGet("Crypto", "LastFolder", "", last));
}

TEST_F(EncryptTest, ReplacesAnOlderContainerAndGivesItTheUsersMode) {
    WriteText(work / "a.txt", "new");
    WriteText(work / "out/box.zel", "old container");
    data.items = {work / "a.txt"};
    data.containerPath = work / "out/box.zel";
    mode_t mask = umask(027);
    LProcessResult result = Run();
    umask(mask);
    ASSERT_EQ(result, LProcessResultSuccess);
    EXPECT_THAT(ContainerEntries(work / "out/box.zel"),
                ElementsAre("F " + (work / "a.txt") + " 3 new"));
    struct stat status {};
    ASSERT_EQ(stat((work / "out/box.zel").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// A target on another file system than the temporary root: the container is
// written beside it and renamed, and nothing hidden stays there.
TEST_F(EncryptTest, WritesToAFolderOnAnotherFileSystem) {
    std::string pattern = "/dev/shm/zeltest-XXXXXX";
    if (!std::filesystem::is_directory("/dev/shm") || mkdtemp(pattern.data()) == nullptr) {
        GTEST_SKIP() << "no /dev/shm";
    }
    const std::string target = pattern;
    if (LSameFileSystem(target, temp.Path())) {
        std::filesystem::remove_all(target);
        GTEST_SKIP() << "/dev/shm is on the file system of the temporary root";
    }
    WriteText(work / "Docs/x.txt", "x");
    data.items = {work / "Docs"};
    data.containerPath = target + "/box.zel";
    LProcessResult result = Run();
    std::vector<std::string> names = FolderNames(target);
    std::vector<std::string> entries = ContainerEntries(target + "/box.zel");
    std::filesystem::remove_all(target);
    ASSERT_EQ(result, LProcessResultSuccess) << data.errorText;
    EXPECT_THAT(names, ElementsAre("box.zel"));
    EXPECT_THAT(entries, ElementsAre("D Docs", "F " + (work / "Docs/x.txt") + " 1 x"));
}

TEST_F(EncryptTest, LinksLoopsAndSpecialFilesInAWholeRun) {
    WriteText(work / "Docs/f.txt", "f");
    ASSERT_EQ(symlink(".", (work / "Docs/self").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", (work / "Docs/dangling").c_str()), 0);
    ASSERT_EQ(mkfifo((work / "Docs/pipe").c_str(), 0600), 0);
    data.items = {work / "Docs"};
    data.containerPath = work / "out/box.zel";
    ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;
    std::vector<std::string> entries = ContainerEntries(work / "out/box.zel");
    EXPECT_THAT(entries,
                ::testing::UnorderedElementsAre("D Docs", "F " + (work / "Docs/f.txt") + " 1 f",
                                                "L " + (work / "Docs/self") + " -> .",
                                                "L " + (work / "Docs/dangling") + " -> nowhere"));
    EXPECT_EQ(entries.front(), "D Docs");
    EXPECT_THAT(data.leftOut, ElementsAre(::testing::HasSubstr(work / "Docs/pipe")));
}
