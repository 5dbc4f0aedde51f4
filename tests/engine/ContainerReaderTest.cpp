#include "ContainerBytes.h"
#include "LContainerProbe.h"
#include "LContainerReader.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string Save(const TestFolder& folder, const ContainerBytes& container) {
    const std::string path = folder / "c.zel";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(container.bytes.data()),
               static_cast<long>(container.bytes.size()));
    return path;
}

// Every entry of a container read to its end: types and names, the final result, and the
// content of each file or link entry.
struct Walk {
    std::vector<LContainerEntry> entries;
    std::vector<std::string> contents;
    LContainerReadResult last = LContainerReadOK;
    std::string error;
};

Walk WalkAll(const std::string& path, const char* password) {
    Walk walk;
    LContainerReader reader;
    walk.last = reader.Open(path, password);
    LContainerEntry entry;
    while (walk.last == LContainerReadOK && (walk.last = reader.Next(entry)) == LContainerReadOK) {
        walk.entries.push_back(entry);
        if (entry.type == LContainerEntryFolder) {
            continue;
        }
        std::string content;
        unsigned char block[8192];
        uint32_t used = 0;
        LContainerReadResult r;
        while ((r = reader.ReadBlock(block, used)) == LContainerReadOK) {
            content.append(reinterpret_cast<char*>(block), used);
        }
        walk.contents.push_back(content);
        if (r != LContainerReadEnd) {
            walk.last = r;
        }
    }
    walk.error = reader.ErrorText();
    return walk;
}

}  // namespace

TEST(ContainerReader, RefusesWhatIsNotAContainerOrNotThisPassword) {
    TestFolder folder;
    ContainerBytes good;
    good.Header(0, 0, kSecretMD5);
    const std::string path = Save(folder, good);
    EXPECT_EQ(WalkAll(path, "secret").last, LContainerReadEnd);
    Walk wrong = WalkAll(path, "Secret");
    EXPECT_EQ(wrong.last, LContainerReadWrongPassword);
    EXPECT_EQ(wrong.error, "Invalid password");

    ContainerBytes badMagic = good;
    badMagic.bytes[3] = 'X';
    EXPECT_EQ(WalkAll(Save(folder, badMagic), "secret").last, LContainerReadNotAContainer);
    ContainerBytes badVersion = good;
    badVersion.bytes[7] = '2';
    EXPECT_EQ(WalkAll(Save(folder, badVersion), "secret").last, LContainerReadNotAContainer);
    EXPECT_EQ(WalkAll(folder / "missing.zel", "secret").last, LContainerReadCannotOpen);
}

TEST(ContainerReader, AcceptsAnUpperCaseCheck) {
    TestFolder folder;
    ContainerBytes upper;
    upper.Header(0, 0, "5EBE2294ECD0E0F08EAB7690D2A6EE69");
    const std::string path = Save(folder, upper);
    EXPECT_EQ(WalkAll(path, "secret").last, LContainerReadEnd);
    EXPECT_TRUE(LContainerTestPassword(path, "secret"));
    EXPECT_FALSE(LContainerTestPassword(path, "other"));
}

TEST(ContainerReader, DamagedEntriesFailBeforeAnythingIsYielded) {
    struct Case {
        const char* what;
        ContainerBytes container;
        const char* error;
    };
    auto header = [](uint32_t count) {
        ContainerBytes c;
        c.Header(count, 0, kSecretMD5);
        return c;
    };
    std::vector<Case> cases;
    cases.push_back({"data length beyond the file",
                     header(1).EntryHead(0, "f").U64(10).U64(8192 * 2).Content("abc", 0, "secret"),
                     "runs past the end of the file"});
    cases.push_back({"data length not whole blocks",
                     header(1).EntryHead(0, "f").U64(10).U64(100).Content("abc", 0, "secret"),
                     "not made of whole blocks"});
    cases.push_back(
        {"link with more than one block",
         header(1).EntryHead(2, "l").U64(2).U64(16384).Content(std::string(9000, 'x'), 0, "secret"),
         "holds more than one block"});
    cases.push_back({"unknown type", header(1).EntryHead(7, "f").U64(0).U64(0), "unknown type 7"});
    ContainerBytes name = header(1).EntryHead(0, "a-long-name");
    name.bytes.resize(name.bytes.size() - 4);
    cases.push_back({"truncated inside a name", name, "ends inside an entry name"});
    ContainerBytes sizes = header(1).EntryHead(0, "f").U64(3);
    cases.push_back({"truncated inside the sizes", sizes, "ends inside the entry"});
    cases.push_back({"missing entries", header(2).EntryHead(1, "D"), "ends before its last entry"});
    TestFolder folder;
    for (Case& c : cases) {
        Walk walk = WalkAll(Save(folder, c.container), "secret");
        EXPECT_EQ(walk.last, LContainerReadDamaged) << c.what;
        EXPECT_NE(walk.error.find(c.error), std::string::npos) << c.what << ": " << walk.error;
        for (const LContainerEntry& e : walk.entries) {
            EXPECT_EQ(e.type, LContainerEntryFolder) << c.what;
        }
    }
}

TEST(ContainerReader, HugeCheckLengthIsDamageAndIsNotRead) {
    TestFolder folder;
    ContainerBytes c;
    const unsigned char magic[] = {0x20, 0x52, 0x4F, 0x51, 0x20, 0x30, 0x2E, 0x31};
    c.Raw(magic, 8).U32(0).U32(0).U32(0).U32(1000000000);
    const std::string path = Save(folder, c);
    Walk walk = WalkAll(path, "secret");
    EXPECT_EQ(walk.last, LContainerReadDamaged);
    EXPECT_NE(walk.error.find("1000000000"), std::string::npos);
    EXPECT_FALSE(LContainerTestPassword(path, "secret"));
}

TEST(ContainerReader, TruncatedInsideDataFailsAtThatBlock) {
    TestFolder folder;
    ContainerBytes c;
    c.Header(1, 0, kSecretMD5).FileEntry(0, "f", std::string(8192 * 2, 'x'), 0, "secret");
    const std::string path = Save(folder, c);
    // Cut after the data length was checked against the file: the file shrinks while read.
    LContainerReader reader;
    ASSERT_EQ(reader.Open(path, "secret"), LContainerReadOK);
    LContainerEntry entry;
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(c.bytes.size() - 100)), 0);
    unsigned char block[8192];
    uint32_t used = 0;
    EXPECT_EQ(reader.ReadBlock(block, used), LContainerReadOK);
    EXPECT_EQ(reader.ReadBlock(block, used), LContainerReadDamaged);
}

TEST(ContainerReader, SizeBeyondTheDataRestoresWhatIsThereAndSaysSo) {
    TestFolder folder;
    ContainerBytes c;
    c.Header(1, 0, kSecretMD5)
        .EntryHead(0, "f")
        .U64(20000)
        .U64(8192)
        .Content(std::string(8192, 'y'), 0, "secret");
    Walk walk = WalkAll(Save(folder, c), "secret");
    EXPECT_EQ(walk.last, LContainerReadEnd);
    ASSERT_EQ(walk.entries.size(), 1u);
    EXPECT_TRUE(walk.entries[0].Incomplete());
    EXPECT_EQ(walk.contents[0], std::string(8192, 'y'));
}

TEST(ContainerReader, NamesOfEveryWritableLengthAndTheOverlongRule) {
    TestFolder folder;
    ContainerBytes c;
    c.Header(2, 0, kSecretMD5)
        .EntryHead(1, "")
        .FileEntry(0, std::string(259, 'n'), "a", 0, "secret")
        // A length no writer makes: the next 8 bytes are read as the entry's type and length.
        .U32(0)
        .U32(300)
        .FileEntry(0, "/x/y\\z.txt", "b", 0, "secret");
    Walk walk = WalkAll(Save(folder, c), "secret");
    EXPECT_EQ(walk.last, LContainerReadEnd) << walk.error;
    ASSERT_EQ(walk.entries.size(), 3u);
    EXPECT_EQ(walk.entries[0].name, "");
    EXPECT_EQ(walk.entries[1].name, std::string(259, 'n'));
    EXPECT_EQ(walk.entries[2].name, "/x/y\\z.txt");
    EXPECT_EQ(walk.contents, (std::vector<std::string>{"a", "b"}));
}

TEST(ContainerReader, FolderEntriesAfterTheLastFileAreStillRead) {
    TestFolder folder;
    ContainerBytes c;
    c.Header(1, 0, kSecretMD5)
        .FileEntry(0, "/a/top.txt", "top", 0, "secret")
        .EntryHead(1, "Empty")
        .EntryHead(1, "/Empty/Inner")
        .FileEntry(0, "/a/uncounted.txt", "extra", 0, "secret")
        .EntryHead(1, "Never");
    Walk walk = WalkAll(Save(folder, c), "secret");
    EXPECT_EQ(walk.last, LContainerReadEnd);
    ASSERT_EQ(walk.entries.size(), 3u);
    EXPECT_EQ(walk.entries[1].name, "Empty");
    EXPECT_EQ(walk.entries[2].name, "/Empty/Inner");
}

TEST(ContainerReader, UnreadDataIsPassedOverAndLinksEndAtTheirZero) {
    TestFolder folder;
    ContainerBytes c;
    c.Header(2, 1, kSecretMD5)
        .FileEntry(0, "skipped", std::string(20000, 's'), 1, "secret")
        .FileEntry(2, "link", std::string("../target\0junk", 14), 1, "secret");
    const std::string path = Save(folder, c);
    LContainerReader reader;
    ASSERT_EQ(reader.Open(path, "secret"), LContainerReadOK);
    LContainerEntry entry;
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);
    ASSERT_EQ(reader.Next(entry), LContainerReadOK);  // the first entry's data was never read
    EXPECT_EQ(entry.name, "link");
    std::string target;
    ASSERT_EQ(reader.ReadLinkTarget(target), LContainerReadOK);
    EXPECT_EQ(target, "../target");
    EXPECT_EQ(reader.Next(entry), LContainerReadEnd);
}

TEST(ContainerProbe, ExtensionTest) {
    struct Case {
        const char* path;
        bool container;
    } cases[] = {
        {"/a/b.zel", true},  {"/a/b.ZEL", true}, {"b.Cry", true},      {"/a/b.zel.txt", false},
        {"/a.zel/b", false}, {"/a/zel", false},  {"/a/b.zelx", false}, {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LContainerTestExtension(c.path), c.container) << c.path;
    }
}
