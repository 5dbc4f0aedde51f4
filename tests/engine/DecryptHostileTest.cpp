#include "DecryptSupport.h"

#include <functional>

using namespace decrypt_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Each container here tries to reach outside the destination or is damaged.
// Whatever the run's result, nothing beside the destination may change.
class DecryptHostile : public DecryptTest {
protected:
    DecryptHostile() {
        data.quiet = 1;
        before = Beside();
    }
    void TearDown() override {
        EXPECT_EQ(Beside(), before);
        DecryptTest::TearDown();
    }
    // Everything in the test folder except the destination's content and the container.
    Tree Beside() const {
        Tree tree = Snapshot(root.Path());
        std::erase_if(tree, [](const auto& item) {
            return item.first.starts_with("dest/") || item.first == "c.zel";
        });
        return tree;
    }
    std::string Outside() const { return root / "outside"; }
    ContainerBytes Header(uint32_t count) const {
        ContainerBytes container;
        container.Header(count, 0, kSecretMD5);
        return container;
    }
    ContainerBytes& File(ContainerBytes& container, const std::string& name,
                         const std::string& content) const {
        return container.FileEntry(0, name, content, 0, "secret");
    }
    ContainerBytes& Link(ContainerBytes& container, const std::string& name,
                         const std::string& target) const {
        return container.FileEntry(2, name, target + '\0', 0, "secret");
    }
    Tree before;
};

// Folder names that climb out or are absolute are refused and the run fails,
// naming them.
TEST_F(DecryptHostile, FolderNamesOutsideTheDestinationAreRefused) {
    const std::string names[] = {"../outside/evil", "Docs\\..\\..\\outside", "//outside",
                                 "\\\\outside", "a/b/../../../outside"};
    for (const std::string& name : names) {
        ContainerBytes container = Header(2);
        File(container, "/x/first.txt", "first");
        container.EntryHead(1, name);
        File(container, "/x/evil.txt", "evil");
        Save(data.containerPath, container);
        recorder.errors.clear();
        EXPECT_EQ(Run(), LProcessResultFailed) << name;
        const std::string message = "The container was refused: its folder \"" + name +
                                    "\" would lie outside the destination folder.";
        EXPECT_THAT(recorder.errors, ElementsAre(message));
        EXPECT_EQ(data.errorText, message);
        // What came before the refused entry stays; nothing of it or after it is
        // written.
        EXPECT_EQ(Snapshot(root / "dest"), (Tree{{"first.txt", "file:first"}})) << name;
    }
}

// A link the container made is never written through: a file entry of the same
// name replaces the link, and the file it pointed to keeps its content.
TEST_F(DecryptHostile, AFileAfterALinkOfTheSameNameReplacesTheLink) {
    ContainerBytes container = Header(2);
    Link(container, "/x/evil", Outside() + "/keep.txt");
    File(container, "/x/evil", "pwned");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(Snapshot(root / "dest"), (Tree{{"evil", "file:pwned"}}));
    EXPECT_THAT(data.leftOut, IsEmpty());
}

// Nor is a folder entry followed through a link to an outside folder; its files
// are left out and reported, and the run goes on with the next folder.
TEST_F(DecryptHostile, AFolderThroughALinkIsNotEntered) {
    ContainerBytes container = Header(4);
    Link(container, "/x/d", Outside());
    container.EntryHead(1, "d/sub");
    File(container, "/x/d/sub/a.txt", "a");
    container.EntryHead(1, "d");
    Link(container, "/x/d/l", "anything");
    container.EntryHead(1, "fine");
    File(container, "/x/fine/b.txt", "b");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    const std::string why = ": \"d\" is a symbolic link, which is never followed.";
    EXPECT_THAT(
        data.leftOut,
        ElementsAre(
            "The folder \"" + Dest("d/sub") + "\" could not be created" + why,
            "\"" + Dest("d/sub/a.txt") + "\" was not decrypted: its folder could not be created.",
            "The folder \"" + Dest("d") + "\" could not be created" + why,
            "\"" + Dest("d/l") + "\" was not decrypted: its folder could not be created."));
    EXPECT_EQ(Snapshot(root / "dest"),
              (Tree{{"d", "link:" + Outside()}, {"fine", "dir"}, {"fine/b.txt", "file:b"}}));
}

// Links that were there before are treated the same way: neither a folder link
// nor a file link in the destination is written through.
TEST_F(DecryptHostile, LinksAlreadyInTheDestinationAreNotWrittenThrough) {
    symlink(Outside().c_str(), Dest("d").c_str());
    symlink((Outside() + "/keep.txt").c_str(), Dest("keep.txt").c_str());
    ContainerBytes container = Header(2);
    File(container, "/x/keep.txt", "replaced");
    container.EntryHead(1, "d");
    File(container, "/x/d/keep.txt", "through");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(ReadAll(Dest("keep.txt")), "replaced");
    EXPECT_FALSE(std::filesystem::is_symlink(Dest("keep.txt")));
    EXPECT_EQ(data.leftOut.size(), 2u);
}

// A link entry never replaces what exists; one that already points the same way
// is fine.
TEST_F(DecryptHostile, LinksAreNotCreatedOverExistingNames) {
    WriteAll(Dest("taken"), "mine");
    symlink("same target", Dest("same").c_str());
    ContainerBytes container = Header(3);
    Link(container, "/x/taken", Outside());
    Link(container, "/x/same", "same target");
    Link(container, "/x/empty", "");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(
        data.leftOut,
        ElementsAre("The link \"" + Dest("taken") +
                        "\" was not created: something of that name already exists.",
                    "The link \"" + Dest("empty") + "\" was not created: it has no target."));
    EXPECT_EQ(Snapshot(root / "dest"),
              (Tree{{"taken", "file:mine"}, {"same", "link:same target"}}));
}

// Damaged containers fail the run with the reader's words; the damaged entry is
// not written, what came before it stays.
TEST_F(DecryptHostile, DamagedContainersFailWithoutWritingTheEntry) {
    const std::string block(8192, 'z');
    struct Case {
        std::string what;
        std::function<void(ContainerBytes&)> damage;
        std::string error;
    } cases[] = {
        {"truncated inside the data",
         [&](ContainerBytes& c) {
             File(c, "/x/cut.bin", block + block);
             c.bytes.resize(c.bytes.size() - 100);
         },
         "The container is damaged: the data of \"/x/cut.bin\" runs past the end "
         "of the file."},
        {"ends before its last entry", [](ContainerBytes&) {},
         "The container is damaged: it ends before its last entry."},
        {"ends inside an entry head", [](ContainerBytes& c) { c.U32(0); },
         "The container is damaged: it ends inside an entry."},
        {"data length beyond the file",
         [&](ContainerBytes& c) {
             c.EntryHead(0, "/x/cut.bin").U64(10).U64(16384).Content("0123456789", 0, "secret");
         },
         "The container is damaged: the data of \"/x/cut.bin\" runs past the end "
         "of the file."},
        {"data length not whole blocks",
         [&](ContainerBytes& c) {
             c.EntryHead(0, "/x/cut.bin").U64(10).U64(100).Content("0123456789", 0, "secret");
         },
         "The container is damaged: the data of \"/x/cut.bin\" is not made of "
         "whole blocks."},
        {"link of two blocks",
         [&](ContainerBytes& c) { c.FileEntry(2, "/x/cut.bin", block + "x", 0, "secret"); },
         "The container is damaged: the link \"/x/cut.bin\" holds more than one "
         "block."},
        {"unknown type", [&](ContainerBytes& c) { c.FileEntry(7, "/x/cut.bin", "x", 0, "s"); },
         "The container is damaged: an entry has the unknown type 7."},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(root / "dest");
        ContainerBytes container = Header(2);
        File(container, "/x/first.txt", "first");
        c.damage(container);
        Save(data.containerPath, container);
        recorder.errors.clear();
        EXPECT_EQ(Run(), LProcessResultFailed) << c.what;
        EXPECT_THAT(recorder.errors, ElementsAre(c.error)) << c.what;
        EXPECT_EQ(Snapshot(root / "dest"), (Tree{{"first.txt", "file:first"}})) << c.what;
    }
}

TEST_F(DecryptHostile, ACheckOfTheWrongLengthIsDamage) {
    ContainerBytes container;
    container.Header(0, 0, std::string(kSecretMD5) + "00");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_THAT(recorder.errors,
                ElementsAre("The container is damaged: its password check is 34 bytes long."));
}

// A size of 10 GB over one block of data restores the block that is there and
// says so, without making a 10 GB file.
TEST_F(DecryptHostile, ASizeBeyondTheDataRestoresWhatIsThere) {
    const uint64_t tenGigabytes = 10ull << 30;
    ContainerBytes container = Header(1);
    container.EntryHead(0, "/x/short.bin").U64(tenGigabytes).U64(8192).Content("abc", 0, "secret");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_EQ(std::filesystem::file_size(Dest("short.bin")), 8192u);
    EXPECT_EQ(ReadAll(Dest("short.bin")).substr(0, 4), std::string("abc\0", 4));
    EXPECT_THAT(data.leftOut, ElementsAre("\"" + Dest("short.bin") +
                                          "\" is incomplete: the container holds 8192 of its " +
                                          std::to_string(tenGigabytes) + " bytes."));
}

// Names that are no file name, and files that cannot be put in place, are
// reported and the run goes on.
TEST_F(DecryptHostile, UnusableNamesAndUnwritableFilesAreReported) {
    std::filesystem::create_directory(Dest("folder.txt"));
    ContainerBytes container = Header(4);
    File(container, "/x/..", "dots");
    File(container, "/x/trailing/", "none");
    File(container, "/x/folder.txt", "in the way");
    File(container, "/x/fine.txt", "fine");
    Save(data.containerPath, container);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(
        data.leftOut,
        ElementsAre("\"/x/..\" was not decrypted: it has no usable file name.",
                    "\"/x/trailing/\" was not decrypted: it has no usable file name.",
                    "\"" + Dest("folder.txt") + "\" could not be written: Is a directory."));
    EXPECT_EQ(Snapshot(root / "dest"), (Tree{{"folder.txt", "dir"}, {"fine.txt", "file:fine"}}));
}
