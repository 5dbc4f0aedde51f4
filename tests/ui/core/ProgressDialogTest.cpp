#include "LCommand.h"
#include "LProcessInterfaceRecursiveSubProcess.h"
#include "LProcessRunAsDialog.h"
#include "LProgressLayouts.h"
#include "ScriptedTest.h"

#include <functional>
#include <vector>

using ::testing::ElementsAre;

namespace {

// A run whose body the test writes; it sees the progress window it runs under.
struct TestRun {
    std::function<LProcessResult(LProgressDialog&)> body;
    bool ran = false;
};

LProcessResult Process(LProcessInterface& process, TestRun& run) {
    run.ran = true;
    return run.body(dynamic_cast<LProgressDialog&>(process));
}

// Keeps every value the progress bar showed.
class BarRecordingHost : public LScriptedHost {
public:
    void ControlChanged(LWindow& owner, const LControl& control) override {
        if (control.id == kLProgressBar && !control.indeterminate) {
            shown.push_back(control.value);
        }
        LScriptedHost::ControlChanged(owner, control);
    }
    std::vector<int> shown;
};

// Loops until the window says stop and counts the queries.
LProcessResult UntilStopped(LProgressDialog& dialog, int& queries) {
    while (!dialog.IsToStop()) {
        ++queries;
    }
    return LProcessResultStopped;
}

}  // namespace

class ProgressDialog : public ScriptedTest {};

TEST_F(ProgressDialog, ARunThatSucceedsAtOnceShowsTheWindowAndTakesItAway) {
    LWindow* seen = nullptr;
    TestRun run{[&seen](LProgressDialog& dialog) {
        seen = &dialog;
        EXPECT_TRUE(dialog.IsVisible());
        EXPECT_EQ(dialog.GetItemText(kLProgressCancel), "Cancel");
        EXPECT_FALSE(dialog.IsToStop());
        return LProcessResultSuccess;
    }};
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", run), LProcessResultSuccess);
    EXPECT_TRUE(run.ran);
    EXPECT_THAT(host.Log(), ElementsAre("window: Encrypting files"));
    ASSERT_NE(seen, nullptr);
}

TEST_F(ProgressDialog, AWindowThatCannotBeMadeFailsWithoutRunning) {
    host.SetWindowCreationFails(true);
    TestRun run{[](LProgressDialog&) { return LProcessResultSuccess; }};
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Decrypting files", run), LProcessResultFailed);
    EXPECT_FALSE(run.ran);
}

TEST_F(ProgressDialog, TheResultIsTheProcesssOwnAndFailedUntilItReturns) {
    TestRun run{[](LProgressDialog&) { return LProcessResultFailed; }};
    LProcessDialog<TestRun> dialog("Sending Email", run);
    EXPECT_EQ(dialog.Result(), LProcessResultFailed);
    run.body = [](LProgressDialog&) { return LProcessResultStopped; };
    EXPECT_TRUE(dialog.Run(nullptr));
    EXPECT_EQ(dialog.Result(), LProcessResultStopped);
    // A run cannot be restarted on the same window.
    run.ran = false;
    EXPECT_FALSE(dialog.Run(nullptr));
    EXPECT_FALSE(run.ran);
}

TEST_F(ProgressDialog, CancelStopsTheRunAtItsNextQueryAndASecondPressDoesNothing) {
    int queries = 0;
    TestRun run{[&queries](LProgressDialog& dialog) {
        const LProcessResult result = UntilStopped(dialog, queries);
        EXPECT_FALSE(dialog.IsItemEnabled(kLProgressCancel));
        EXPECT_FALSE(dialog.UserPressEscape());
        EXPECT_FALSE(dialog.UserClick(kLProgressCancel));
        EXPECT_TRUE(dialog.IsToStop());
        EXPECT_TRUE(dialog.IsVisible());  // the window waits for the run to return
        return result;
    }};
    host.CancelProgressAfter(5);
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", run), LProcessResultStopped);
    EXPECT_EQ(queries, 4);
}

TEST_F(ProgressDialog, ClosingTheWindowIsCancel) {
    TestRun run{[](LProgressDialog& dialog) {
        EXPECT_FALSE(dialog.IsToStop());
        dialog.UserRequestClose();
        EXPECT_FALSE(dialog.IsItemEnabled(kLProgressCancel));
        return dialog.IsToStop() ? LProcessResultStopped : LProcessResultSuccess;
    }};
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Decrypting files", run), LProcessResultStopped);
}

TEST_F(ProgressDialog, StatusLinesGoToTheirControlsEnabled) {
    TestRun run{[](LProgressDialog& dialog) {
        dialog.EnableItem(kLProgressStatus1, false);
        dialog.SetStatus("Encrypting...", 0);
        dialog.SetStatus("a.txt", 1);
        EXPECT_EQ(dialog.GetItemText(kLProgressStatus1), "a.txt");
        EXPECT_TRUE(dialog.IsItemEnabled(kLProgressStatus1));
        dialog.SetStatus("b.txt", 7);  // any line above 0 is the detail
        dialog.SetStatus(nullptr, -1);
        EXPECT_EQ(dialog.GetItemText(kLProgressStatus0), "Encrypting...");
        EXPECT_EQ(dialog.GetItemText(kLProgressStatus1), "");
        return LProcessResultSuccess;
    }};
    const int before = host.EventPoints();
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", run), LProcessResultSuccess);
    EXPECT_EQ(host.EventPoints() - before, 4);  // every report lets events run
}

TEST_F(ProgressDialog, AnErrorIsAStopBoxCaptionedWithTheWindowTitle) {
    TestRun run{[](LProgressDialog& dialog) {
        dialog.SetError("Could not write encrypted file.");
        return LProcessResultFailed;
    }};
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", run), LProcessResultFailed);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    const LMessageBoxRequest& box = host.MessageBoxes()[0];
    EXPECT_EQ(box.icon, LMessageBoxIcon::Stop);
    EXPECT_EQ(box.caption, "Encrypting files");
    EXPECT_EQ(box.message, "Could not write encrypted file.");
    EXPECT_THAT(box.buttons, ElementsAre("OK"));
}

TEST(ProgressDialogBar, ShowsWholePercentTruncatedAndPinned) {
    BarRecordingHost host;
    LUIHostScope scope(host);
    TestRun run{[](LProgressDialog& dialog) {
        dialog.SetProgressIndeterminateOn();
        EXPECT_TRUE(dialog.FindControl(kLProgressBar)->indeterminate);
        for (double fraction : {0.0, 0.5, 0.999, 1.0, -0.5, 1.5, std::nan("")}) {
            dialog.SetProgress(fraction);
        }
        EXPECT_FALSE(dialog.FindControl(kLProgressBar)->indeterminate);
        return LProcessResultSuccess;
    }};
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Creating MD5 Hash", run), LProcessResultSuccess);
    EXPECT_THAT(host.shown, ElementsAre(0, 50, 99, 100, 0, 100, 0));
}

TEST(ProgressDialogBar, NestedRunsFillTheirItemsShare) {
    BarRecordingHost host;
    LUIHostScope scope(host);
    // Three items, the second holding two sub-items, as the file-list run reports them.
    TestRun run{[](LProgressDialog& dialog) {
        double done = 0;
        for (int item = 0; item < 3; ++item) {
            if (item == 1) {
                LProcessInterfaceRecursiveSubProcess nested(dialog, done, 1.0 / 3);
                nested.SetProgress(0.5);
                nested.SetProgress(1.0);
            }
            done += 1.0 / 3;
            dialog.SetProgress(done);
        }
        return LProcessResultSuccess;
    }};
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Preparing files...", run), LProcessResultSuccess);
    EXPECT_THAT(host.shown, ElementsAre(33, 50, 66, 66, 100));
}

TEST_F(ProgressDialog, HangsOnAShownParentAndStandsFreeOtherwise) {
    LDialog parent(LDialogTemplate{300, 200, "Main", 0, nullptr});
    struct Case {
        bool parentShown;
        bool sheetsSupported;
        bool sheet;
    };
    for (const Case& c :
         {Case{true, true, true}, Case{false, true, false}, Case{true, false, false}}) {
        host.SetSheetsSupported(c.sheetsSupported);
        parent.Show(c.parentShown);
        bool sheet = !c.sheet;
        TestRun run{[&sheet](LProgressDialog& dialog) {
            sheet = dialog.IsSheet();
            return LProcessResultSuccess;
        }};
        ProcessRunAsDialog(&parent, "Encrypting files", run);
        EXPECT_EQ(sheet, c.sheet) << c.parentShown << c.sheetsSupported;
    }
    bool sheet = true;
    TestRun run{[&sheet](LProgressDialog& dialog) {
        sheet = dialog.IsSheet();
        return LProcessResultSuccess;
    }};
    ProcessRunAsDialog(nullptr, "Encrypting files", run);
    EXPECT_FALSE(sheet);
}
