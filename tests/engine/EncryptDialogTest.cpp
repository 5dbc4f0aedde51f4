#include "EncryptFixture.h"
#include "LProcessRunAsDialog.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The run as the main window starts it: under a progress window, where Cancel is a stop request.
class EncryptDialog : public EncryptTest {
protected:
    void SetUp() override {
        EncryptTest::SetUp();
        WriteText(work / "Docs/big.bin", std::string(4 << 20, 'b'));
        data.items = {work / "Docs"};
        data.containerPath = work / "out/box.zel";
        run.data = &data;
    }
    LEncryptProcess run;
};

TEST_F(EncryptDialog, RunsUnderAProgressWindow) {
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", run), LProcessResultSuccess);
    EXPECT_THAT(host.Log(), Contains("window: Encrypting files"));
    EXPECT_THAT(
        ContainerEntries(work / "out/box.zel"),
        ElementsAre("D Docs", "F " + (work / "Docs/big.bin") + " 4194304 bbbbbbbbbbbbbbbb"));
}

TEST_F(EncryptDialog, CancelWhileWritingStopsAndLeavesNothing) {
    host.CancelProgressAfter(40);
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", run), LProcessResultStopped);
    EXPECT_EQ(data.errorText, "");
    EXPECT_THAT(FolderNames(work / "out"), IsEmpty());
}
