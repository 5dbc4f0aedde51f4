#include "ContainerBytes.h"
#include "LContainerHeader.h"
#include "LContainerReader.h"
#include "LContainerWriter.h"
#include "LEncryptFile.h"
#include "LFileDescriptor.h"
#include "LProcessInterfaceSilent.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <sstream>

namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Pattern(size_t length) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    }
    return text;
}

// A container being written into a test folder.
class Output {
public:
    explicit Output(const std::string& file)
        : path(file),
          fd(open(file.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)),
          ref(fd.Get()) {}
    std::string path;
    LFileDescriptor fd;
    LWriteFileRef ref;
};

// Counts what a run reports and can ask it to stop after a number of stop queries.
class Recorder : public LProcessInterfaceSilent {
public:
    int stopAfter = -1;
    int queries = 0;
    std::vector<double> progress;
    std::vector<std::string> status;
    bool IsToStop() override { return stopAfter >= 0 && queries++ >= stopAfter; }
    void SetProgress(double fraction) override { progress.push_back(fraction); }
    void SetStatus(const char* text, int line) override {
        if (line == 1) {
            status.push_back(text);
        }
    }
};

}  // namespace

class ContainerLayout : public ::testing::TestWithParam<int> {};

// Header, a folder entry, a file of 8193 bytes and a link, built by hand from the layout and
// compared with what the writer makes; then read back.
TEST_P(ContainerLayout, WriterProducesTheLayoutByteForByte) {
    const int algorithm = GetParam();
    TestFolder folder;
    const std::string file = folder / "x.bin";
    const std::string link = folder / "ln";
    const std::string content = Pattern(8193);
    std::ofstream(file, std::ios::binary) << content;
    ASSERT_EQ(symlink("x", link.c_str()), 0);

    Output out(folder / "out.zel");
    Recorder process;
    double progress = 0;
    ASSERT_TRUE(LContainerWriteHeader(out.ref, algorithm, "secret"));
    ASSERT_TRUE(LContainerWriteFolderEntry(out.ref, "Docs"));
    EXPECT_EQ(EncryptFile(process, file.c_str(), progress, 0.5, out.ref, algorithm, "secret"),
              LEncryptFileWritten);
    EXPECT_EQ(EncryptFile(process, link.c_str(), progress, 0.5, out.ref, algorithm, "secret"),
              LEncryptFileWritten);
    ASSERT_TRUE(LContainerWriteFileCount(out.ref, 2));
    EXPECT_DOUBLE_EQ(progress, 1.0);
    EXPECT_EQ(process.status, (std::vector<std::string>{"x.bin", "ln"}));

    ContainerBytes expected;
    expected.Header(2, static_cast<uint32_t>(algorithm), kSecretMD5)
        .EntryHead(1, "Docs")
        .FileEntry(0, file, content, algorithm, "secret")
        .FileEntry(2, link, std::string("x\0", 2), algorithm, "secret");
    std::vector<unsigned char> written = ReadFile(out.path);
    ASSERT_EQ(written.size(), expected.bytes.size());
    EXPECT_TRUE(written == expected.bytes);
    EXPECT_EQ(std::vector<unsigned char>(written.begin(), written.begin() + 8),
              (std::vector<unsigned char>{0x20, 0x52, 0x4F, 0x51, 0x20, 0x30, 0x2E, 0x31}));

    LContainerReader reader;
    ASSERT_EQ(reader.Open(out.path, "secret"), LContainerReadOK);
    EXPECT_EQ(reader.FileCount(), 2u);
    EXPECT_EQ(reader.Algorithm(), algorithm);
    LContainerEntry entry;
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);
    EXPECT_EQ(entry.type, LContainerEntryFolder);
    EXPECT_EQ(entry.name, "Docs");
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);
    EXPECT_EQ(entry.type, LContainerEntryFile);
    EXPECT_EQ(entry.name, file);
    EXPECT_EQ(entry.size, 8193u);
    EXPECT_EQ(entry.dataLength, 16384u);
    std::string restored;
    unsigned char block[8192];
    uint32_t used = 0;
    while (reader.ReadBlock(block, used) == LContainerReadOK) {
        restored.append(reinterpret_cast<char*>(block), used);
    }
    EXPECT_EQ(restored, content);
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);
    EXPECT_EQ(entry.type, LContainerEntryLink);
    EXPECT_EQ(entry.size, 2u);
    std::string target;
    ASSERT_EQ(reader.ReadLinkTarget(target), LContainerReadOK);
    EXPECT_EQ(target, "x");
    EXPECT_EQ(reader.Next(entry), LContainerReadEnd);
}

INSTANTIATE_TEST_SUITE_P(BothCiphers, ContainerLayout, ::testing::Values(0, 1));

TEST(ContainerWriter, OnlyEmptyFoldersGiveCountZeroAndFiftySixBytesPlusEntries) {
    TestFolder folder;
    Output out(folder / "out.zel");
    ASSERT_TRUE(LContainerWriteHeader(out.ref, 0, "secret"));
    ASSERT_TRUE(LContainerWriteFolderEntry(out.ref, "A"));
    ASSERT_TRUE(LContainerWriteFolderEntry(out.ref, "A/B"));
    ASSERT_TRUE(LContainerWriteFileCount(out.ref, 0));
    EXPECT_EQ(ReadFile(out.path).size(), 56u + 2 * (8 + 8));
}

TEST(ContainerWriter, NamesArePaddedToWholeBlocks) {
    struct Case {
        std::string name;
        size_t stored;
    } cases[] = {{"", 0}, {"12345678", 8}, {"123456789", 16}, {std::string(259, 'n'), 264}};
    for (const Case& c : cases) {
        TestFolder folder;
        Output out(folder / "out.zel");
        ASSERT_TRUE(LContainerWriteFolderEntry(out.ref, c.name));
        EXPECT_EQ(ReadFile(out.path).size(), 8 + c.stored) << c.name.size();
    }
}

TEST(ContainerWriter, RefusesAFolderNameThatDoesNotFit) {
    TestFolder folder;
    Output out(folder / "out.zel");
    EXPECT_FALSE(LContainerWriteFolderEntry(out.ref, std::string(260, 'n')));
    EXPECT_TRUE(ReadFile(out.path).empty());
}

TEST(ContainerWriter, SamePasswordPrefixGivesSameDesContentButDifferentChecks) {
    TestFolder folder;
    const std::string file = folder / "f";
    std::ofstream(file) << Pattern(100);
    std::vector<unsigned char> containers[2];
    const char* passwords[2] = {"abcdefgh-one", "abcdefgh-two"};
    for (int i = 0; i < 2; ++i) {
        Output out(folder / ("out" + std::to_string(i)));
        LProcessInterfaceSilent silent;
        double progress = 0;
        ASSERT_TRUE(LContainerWriteHeader(out.ref, 1, passwords[i]));
        EncryptFile(silent, file.c_str(), progress, 1, out.ref, 1, passwords[i]);
        containers[i] = ReadFile(out.path);
    }
    ASSERT_EQ(containers[0].size(), containers[1].size());
    EXPECT_NE(std::vector<unsigned char>(containers[0].begin() + 24, containers[0].begin() + 56),
              std::vector<unsigned char>(containers[1].begin() + 24, containers[1].begin() + 56));
    EXPECT_TRUE(
        std::equal(containers[0].begin() + 56, containers[0].end(), containers[1].begin() + 56));
}

TEST(EncryptFile, UnreadableFileWritesNothingAndStillAdvancesProgress) {
    TestFolder folder;
    Output out(folder / "out.zel");
    Recorder process;
    double progress = 0.25;
    const std::string missing = folder / "missing";
    EXPECT_EQ(EncryptFile(process, missing.c_str(), progress, 0.25, out.ref, 0, "pw"),
              LEncryptFileUnreadable);
    EXPECT_DOUBLE_EQ(progress, 0.5);
    EXPECT_EQ(process.progress, std::vector<double>{0.5});
    EXPECT_TRUE(ReadFile(out.path).empty());
}

TEST(EncryptFile, EmptyFileHasNoData) {
    TestFolder folder;
    const std::string file = folder / "empty";
    std::ofstream{file};
    Output out(folder / "out.zel");
    LProcessInterfaceSilent silent;
    double progress = 0;
    EXPECT_EQ(EncryptFile(silent, file.c_str(), progress, 1, out.ref, 0, "pw"),
              LEncryptFileWritten);
    ContainerBytes expected;
    expected.EntryHead(0, file).U64(0).U64(0);
    EXPECT_TRUE(ReadFile(out.path) == expected.bytes);
}

TEST(EncryptFile, LongPathKeepsItsEndFromASeparator) {
    TestFolder folder;
    std::string deep = folder.Path();
    while (deep.size() < 300) {
        deep += "/folder-with-a-long-name";
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    const std::string file = deep + "/report.txt";
    std::ofstream(file) << "text";
    Output out(folder / "out.zel");
    LProcessInterfaceSilent silent;
    double progress = 0;
    ASSERT_EQ(EncryptFile(silent, file.c_str(), progress, 1, out.ref, 0, "secret"),
              LEncryptFileWritten);

    ContainerBytes head;
    head.Header(1, 0, kSecretMD5);
    std::vector<unsigned char> body = ReadFile(out.path);
    body.insert(body.begin(), head.bytes.begin(), head.bytes.end());
    std::string withHeader = folder / "full.zel";
    std::ofstream(withHeader, std::ios::binary)
        .write(reinterpret_cast<const char*>(body.data()), static_cast<long>(body.size()));

    LContainerReader reader;
    ASSERT_EQ(reader.Open(withHeader, "secret"), LContainerReadOK);
    LContainerEntry entry;
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);
    EXPECT_LE(entry.name.size(), 259u);
    EXPECT_EQ(entry.name[0], '/');
    EXPECT_EQ(file.substr(file.size() - entry.name.size()), entry.name);
}

TEST(EncryptFile, StopEndsTheContentEarlyWithConsistentLengths) {
    TestFolder folder;
    const std::string file = folder / "big";
    std::ofstream(file, std::ios::binary) << Pattern(5 * 8192);
    Output out(folder / "out.zel");
    Recorder process;
    process.stopAfter = 2;
    double progress = 0;
    EXPECT_EQ(EncryptFile(process, file.c_str(), progress, 1, out.ref, 0, "pw"),
              LEncryptFileStopped);
    std::vector<unsigned char> bytes = ReadFile(out.path);
    size_t head = 8 + LContainerPaddedNameLength(static_cast<uint32_t>(file.size()));
    ASSERT_EQ(bytes.size(), head + 16 + 2 * 8192);
    EXPECT_EQ(LGetUInt64LE(&bytes[head]), 2u * 8192);
    EXPECT_EQ(LGetUInt64LE(&bytes[head + 8]), 2u * 8192);
}

TEST(EncryptFile, FailedWriteIsReported) {
    TestFolder folder;
    const std::string file = folder / "f";
    std::ofstream(file) << "data";
    LFileDescriptor full(open("/dev/full", O_WRONLY | O_CLOEXEC));
    if (!full.IsOpen()) {
        GTEST_SKIP() << "no /dev/full";
    }
    LWriteFileRef ref(full.Get());
    LProcessInterfaceSilent silent;
    double progress = 0;
    EXPECT_EQ(EncryptFile(silent, file.c_str(), progress, 1, ref, 0, "pw"),
              LEncryptFileWriteFailed);
    EXPECT_FALSE(LContainerWriteHeader(ref, 0, "pw"));
}

TEST(EncryptFile, ReportsProgressEveryFiveHundredBlocks) {
    TestFolder folder;
    const std::string file = folder / "big";
    std::ofstream(file, std::ios::binary) << Pattern(1000 * 8192 + 1);
    Output out(folder / "out.zel");
    Recorder process;
    double progress = 0.5;
    EncryptFile(process, file.c_str(), progress, 0.5, out.ref, 0, "pw");
    ASSERT_EQ(process.progress.size(), 2u);
    EXPECT_NEAR(process.progress[0], 0.5 + 0.5 * (500.0 * 8192 / (1000 * 8192 + 1)), 1e-12);
    EXPECT_NEAR(process.progress[1], 0.5 + 0.5 * (1000.0 * 8192 / (1000 * 8192 + 1)), 1e-12);
    EXPECT_DOUBLE_EQ(progress, 1.0);
}
