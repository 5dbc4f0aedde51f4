#include "DecryptSupport.h"
#include "LFileCreationMask.h"
#include "LFileDigest.h"
#include "LMD5.h"

using namespace decrypt_test;
using ::testing::IsEmpty;

class DecryptRoundTrip : public DecryptTest, public ::testing::WithParamInterface<int> {};

// Everything a container can hold, written by the writer and restored by the
// run: the trees before and after must be the same, links included.
TEST_P(DecryptRoundTrip, RestoresTheWholeTree) {
    const std::string special = "a b \"quoted\" 'single' $HOME ünïcødé ✓.txt";
    std::filesystem::create_directories(root / "src/Docs/Sub/EmptySub");
    std::filesystem::create_directories(root / "src/EmptyLast");
    const std::vector<std::string> top = {
        Source("empty.bin", ""), Source("block.bin", Pattern(8192)),
        Source("block+1.bin", Pattern(8193, 2)), Source(special, "special")};
    symlink("block.bin", (root / "src/link-to-file").c_str());
    symlink("does/not/exist", (root / "src/link-missing").c_str());
    const std::string hidden = Source("Docs/.hidden", "hidden");
    const std::string deep = Source("Docs/Sub/deep $x.txt", Pattern(20000, 3));
    std::vector<std::string> topEntries = top;
    topEntries.push_back(root / "src/link-to-file");
    topEntries.push_back(root / "src/link-missing");
    // Subfolders come before their parents; the empty folder after the last file
    // entry.
    WriteContainer(
        data.containerPath, GetParam(), "secret", topEntries,
        {{"Docs/Sub/EmptySub", {}}, {"Docs/Sub", {deep}}, {"Docs", {hidden}}, {"/EmptyLast", {}}});

    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(Snapshot(root / "dest"), Snapshot(root / "src"));
    EXPECT_THAT(data.leftOut, IsEmpty());
    EXPECT_THAT(recorder.errors, IsEmpty());
    struct stat status {};
    ASSERT_EQ(stat(Dest("block.bin").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0777 & ~LFileCreationMask());
    // The run's own record is left as the caller filled it.
    EXPECT_EQ(data.destination, root / "dest");
    EXPECT_EQ(data.password, "secret");
}

// A large file goes through in constant memory and comes back bit for bit.
TEST_P(DecryptRoundTrip, HundredMegabyteFileKeepsItsDigest) {
    const std::string source = root / "src/big.bin";
    LMD5Context md5;
    LMD5Init(md5);
    {
        std::ofstream out(source, std::ios::binary);
        std::string chunk(1 << 20, '\0');
        uint64_t state = 0x9E3779B97F4A7C15ull;
        for (int mebibyte = 0; mebibyte < 100; ++mebibyte) {
            for (char& c : chunk) {
                state ^= state << 13;
                state ^= state >> 7;
                state ^= state << 17;
                c = static_cast<char>(state);
            }
            LMD5Update(md5, chunk.data(), chunk.size());
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
        out.write("tail", 4);
        LMD5Update(md5, "tail", 4);
    }
    char expected[49];
    LMD5Final(md5, expected);
    WriteContainer(data.containerPath, GetParam(), "secret", {source}, {});
    std::filesystem::remove(source);

    EXPECT_EQ(Run(), LProcessResultSuccess);
    char restored[49];
    LMD5FileCreateDigest(Dest("big.bin"), restored);
    EXPECT_STREQ(restored, expected);
    EXPECT_EQ(std::filesystem::file_size(Dest("big.bin")), (100u << 20) + 4);
}

std::string CipherName(const ::testing::TestParamInfo<int>& cipher) {
    return cipher.param == 0 ? "Blowfish" : "Des";
}

INSTANTIATE_TEST_SUITE_P(BothCiphers, DecryptRoundTrip, ::testing::Values(0, 1), CipherName);

// Folder entries make the current folder; files before any folder entry go to
// the top, and a stored name holding backslashes from another system is
// restored under its last component.
TEST_F(DecryptTest, FilesLandInTheFolderOfTheLatestFolderEntry) {
    ContainerBytes container;
    container.Header(3, 0, kSecretMD5)
        .FileEntry(0, "/Users/ann/top.txt", "top", 0, "secret")
        .EntryHead(1, "Docs")
        .FileEntry(0, "/Users/ann/Docs/x.txt", "x", 0, "secret")
        .FileEntry(0, "C:\\Docs\\win.txt", "win", 0, "secret");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(Snapshot(root / "dest"), (Tree{{"top.txt", "file:top"},
                                             {"Docs", "dir"},
                                             {"Docs/x.txt", "file:x"},
                                             {"Docs/win.txt", "file:win"}}));
}

// Status lines and progress: the headline, the preparation, each file by name
// and each link by its path, progress every 4,096,000 bytes weighted by the
// file count and after each entry.
TEST_F(DecryptTest, ReportsStatusAndWeightedProgress) {
    const std::string big = Pattern(2 * 4096000 + 100);
    ContainerBytes container;
    container.Header(2, 0, kSecretMD5)
        .FileEntry(0, "/a/big.bin", big, 0, "secret")
        .FileEntry(2, "/a/link", std::string("big.bin") + '\0', 0, "secret");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(recorder.status, ::testing::ElementsAre("0:Decrypting...", "1:Preparing to decrypt",
                                                        "1:big.bin", "1:" + Dest("link")));
    const double blocks = 1001;  // the file's data: 8,200,100 bytes in whole blocks
    EXPECT_THAT(recorder.progress,
                ::testing::ElementsAre(0.0, ::testing::DoubleEq(0.5 * 500 / blocks),
                                       ::testing::DoubleEq(0.5 * 1000 / blocks), 0.5, 1.0));
    EXPECT_EQ(ReadAll(Dest("big.bin")), big);
}

// A container of folder entries only restores the folders and succeeds after no
// files.
TEST_F(DecryptTest, OnlyFolderEntries) {
    ContainerBytes container;
    container.Header(0, 1, kSecretMD5).EntryHead(1, "A/B").EntryHead(1, "A").EntryHead(1, "C\\D");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(Snapshot(root / "dest"),
              (Tree{{"A", "dir"}, {"A/B", "dir"}, {"C", "dir"}, {"C/D", "dir"}}));
}

// A file that cannot be written is left out and reported, and the run goes on.
TEST_F(DecryptTest, AFolderThatRefusesWritesIsReportedAndTheRunGoesOn) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into any folder";
    }
    std::filesystem::create_directory(Dest("locked"));
    chmod(Dest("locked").c_str(), 0555);
    ContainerBytes container;
    container.Header(2, 0, kSecretMD5)
        .EntryHead(1, "locked")
        .FileEntry(0, "/x/locked/a.txt", "a", 0, "secret")
        .EntryHead(1, "open")
        .FileEntry(0, "/x/open/b.txt", "b", 0, "secret");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(data.leftOut,
                ::testing::ElementsAre("\"" + Dest("locked/a.txt") +
                                       "\" could not be written: Permission denied."));
    EXPECT_EQ(ReadAll(Dest("open/b.txt")), "b");
    EXPECT_TRUE(std::filesystem::is_empty(Dest("locked")));
    chmod(Dest("locked").c_str(), 0755);
}
