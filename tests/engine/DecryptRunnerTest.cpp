#include "DecryptSupport.h"
#include "LProcessRunAsDialog.h"

using namespace decrypt_test;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The run under its progress window, as the main window starts it.
class DecryptUnderWindow : public DecryptTest {
protected:
    LProcessResult RunUnderWindow() {
        LDecryptProcess params{&data};
        return ProcessRunAsDialog<LDecryptProcess>(nullptr, "Decrypting files", params);
    }
};

TEST_F(DecryptUnderWindow, RestoresAndAsksFromWithinTheWindow) {
    WriteAll(Dest("a.txt"), "old");
    ContainerBytes container;
    container.Header(1, 0, kSecretMD5).FileEntry(0, "/x/a.txt", "new", 0, "secret");
    Save(data.containerPath, container);
    host.Answer(0);
    EXPECT_EQ(RunUnderWindow(), LProcessResultSuccess);
    EXPECT_THAT(host.Log(), ElementsAre("window: Decrypting files", HasSubstr("already exists")));
    EXPECT_EQ(ReadAll(Dest("a.txt")), "new");
}

TEST_F(DecryptUnderWindow, AWrongPasswordIsShownInABox) {
    ContainerBytes container;
    container.Header(0, 0, kSecretMD5);
    Save(data.containerPath, container);
    data.password = "wrong";
    EXPECT_EQ(RunUnderWindow(), LProcessResultFailed);
    EXPECT_THAT(host.Log(), Contains(HasSubstr("Invalid password")));
}

// Cancel while a large file is written: the earlier file stays, the older file
// of the large one's name keeps its content, and nothing else is left behind.
TEST_F(DecryptUnderWindow, CancelDuringALargeFileKeepsTheOlderFile) {
    data.quiet = 1;
    WriteAll(Dest("big.bin"), "old content");
    ContainerBytes container;
    container.Header(2, 0, kSecretMD5)
        .FileEntry(0, "/x/first.txt", "first", 0, "secret")
        .FileEntry(0, "/x/big.bin", Pattern(200 * 8192), 0, "secret");
    Save(data.containerPath, container);
    host.CancelProgressAfter(60);
    EXPECT_EQ(RunUnderWindow(), LProcessResultStopped);
    EXPECT_EQ(Snapshot(root / "dest"),
              (Tree{{"first.txt", "file:first"}, {"big.bin", "file:old content"}}));
}
