#include "DecryptSupport.h"

using namespace decrypt_test;
using ::testing::IsEmpty;

// A stop while a large file is written: the files finished before it stay, the
// partial one is gone, and the older file of its name keeps its old content. No
// temporary file is left.
TEST_F(DecryptTest, StopDuringALargeFileKeepsTheOlderFile) {
    data.quiet = 1;
    WriteAll(Dest("big.bin"), "old content");
    ContainerBytes container;
    container.Header(3, 1, kSecretMD5)
        .FileEntry(0, "/x/first.txt", "first", 1, "secret")
        .FileEntry(0, "/x/big.bin", Pattern(100 * 8192), 1, "secret")
        .FileEntry(0, "/x/last.txt", "last", 1, "secret");
    Save(data.containerPath, container);
    // Queries: before first.txt, before its block and after it, before big.bin,
    // then one before each of big.bin's blocks: stop at its 50th.
    recorder.stopAt = 4 + 49;
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_EQ(Snapshot(root / "dest"),
              (Tree{{"first.txt", "file:first"}, {"big.bin", "file:old content"}}));
    EXPECT_THAT(recorder.errors, IsEmpty());
    EXPECT_EQ(data.errorText, "");
}

// A stop before the first entry writes nothing at all.
TEST_F(DecryptTest, StopBeforeTheFirstEntryWritesNothing) {
    ContainerBytes container;
    container.Header(1, 0, kSecretMD5).FileEntry(0, "/x/a.txt", "a", 0, "secret");
    Save(data.containerPath, container);
    recorder.stopAt = 0;
    EXPECT_EQ(Run(), LProcessResultStopped);
    EXPECT_THAT(Snapshot(root / "dest"), IsEmpty());
}
