#include "EncryptFixture.h"
#include "LDecryptProcess.h"
#include "LUserSettings.h"
#include "LZipCommand.h"
#include "ZipSupport.h"

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

std::string ReadFile(const std::string& path) {
    auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

class CompressionRun : public EncryptTest {
protected:
    void SetUp() override {
        EncryptTest::SetUp();
        LUserSettingSet("Crypto", "CompressionIgnoreList", ".jpg ");
        WriteText(source / "Docs/a.txt", "alpha");
        WriteText(source / "Docs/Sub/b.txt", "beta");
        WriteText(source / "Docs/c.jpg", "jpeg");
        data.items = {source / "Docs"};
        data.containerPath = work / "out/box.zel";
        data.compress = 1;
    }
    LProcessResult Run() {
        LEncryptProcess run{&data};
        return Process(recorder, run);
    }
    TestFolder source;
    ZipRecorder recorder;
};

}  // namespace

// A compressed container holds the ignored file as itself and the rest in
// crypted.zip; the decrypt run gives back both, and the archive unzips to the
// original contents.
TEST_F(CompressionRun, DecryptGivesTheArchiveWhichUnzipsToTheFiles) {
    for (int byItem : {0, 1}) {
        data.packByItem = byItem;
        ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;
        EXPECT_THAT(data.zipFiles,
                    UnorderedElementsAre(source / "Docs/a.txt", source / "Docs/Sub/b.txt"));
        TestFolder restored;
        LCryptData decrypt;
        decrypt.containerPath = data.containerPath;
        decrypt.password = "secret";
        decrypt.destination = restored.Path();
        LDecryptProcess back{&decrypt};
        ASSERT_EQ(Process(process, back), LProcessResultSuccess) << decrypt.errorText;
        EXPECT_THAT(FolderNames(restored.Path()), UnorderedElementsAre("crypted.zip", "Docs"));
        EXPECT_EQ(ReadFile(restored / "Docs/c.jpg"), "jpeg");
        EXPECT_FALSE(std::filesystem::exists(restored / "Docs/a.txt"));
        // The group's working folder is the one both files' folders begin with.
        EXPECT_THAT(ZipNames(restored / "crypted.zip"), ElementsAre("Docs/Sub/b.txt", "Docs/a.txt"))
            << "by item " << byItem;
        ASSERT_TRUE(LZipExtractCommand(restored / "crypted.zip", "", restored / "unzipped"));
        std::string base = restored / "unzipped/Docs/";
        EXPECT_EQ(ReadFile(base + "a.txt"), "alpha");
        EXPECT_EQ(ReadFile(base + "Sub/b.txt"), "beta");
        data = LCryptData{};
        SetUp();
    }
}

// Every file ignored: the empty archive is still encrypted beside them.
TEST_F(CompressionRun, NothingToPackStillStoresTheEmptyArchive) {
    LUserSettingSet("Crypto", "CompressionIgnoreList", ".txt .jpg ");
    ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;
    auto entries = ContainerEntries(data.containerPath);
    EXPECT_THAT(entries, ::testing::Contains(::testing::EndsWith("/crypted.zip 24 PK\5\6" +
                                                                 std::string(12, '\0'))));
}

// A file that goes before it is packed fails the run; the archive and its
// folder go.
TEST_F(CompressionRun, AMissingFileFailsTheRunAndLeavesNothing) {
    recorder.onStatus = [this](const std::string& text) {
        if (text == "Compressing...") {
            std::filesystem::remove(source / "Docs/a.txt");
        }
    };
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_EQ(data.errorText, "Compressing of files failed.");
    EXPECT_THAT(recorder.errors,
                ElementsAre("File does not exist: \"" + source / "Docs/a.txt" + "\""));
    EXPECT_THAT(FolderNames(work / "out"), IsEmpty());
}

TEST_F(CompressionRun, AStopDuringPackingLeavesNothing) {
    recorder.stopOn = "Compressing...";
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_THAT(recorder.errors, IsEmpty());
    EXPECT_THAT(FolderNames(work / "out"), IsEmpty());
}
