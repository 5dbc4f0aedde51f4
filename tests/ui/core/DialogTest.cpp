#include "LCommand.h"
#include "ScriptedTest.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Dialog : public ScriptedTest {
protected:
    ProbeDialog dialog;
};

TEST_F(Dialog, RunsItsHooksInOrderAndEndsWithOK) {
    host.Type(101, "abc").Click(kLCommandOK);
    EXPECT_TRUE(dialog.DoModal(nullptr));
    EXPECT_THAT(dialog.calls,
                ElementsAre("InitDialog", "RefreshControls", "Command 500", "EvOK", "EvDestroy"));
    EXPECT_THAT(host.Log(), ElementsAre("window: Probe"));
    EXPECT_EQ(host.FocusId(), 101);
    EXPECT_FALSE(dialog.IsVisible());
}

TEST_F(Dialog, OKRefusedByEvOKKeepsTheDialogOpenWithWhatWasTyped) {
    dialog.acceptOK = false;
    host.Type(101, "secret")
        .PressReturn()
        .Inspect([](LWindow& window) {
            EXPECT_FALSE(window.IsEnded());
            EXPECT_EQ(window.GetItemText(101), "secret");
            static_cast<ProbeDialog&>(window).acceptOK = true;
        })
        .PressReturn();
    EXPECT_TRUE(dialog.DoModal(nullptr));
    EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "EvOK"), 2);
    EXPECT_EQ(dialog.GetItemText(101), "secret");
}

TEST_F(Dialog, CloseRequestActsAsCancelAndARefusedCancelKeepsItOpen) {
    dialog.acceptCancel = false;
    host.CloseWindow()
        .Inspect([](LWindow& window) {
            EXPECT_FALSE(window.IsEnded());
            static_cast<ProbeDialog&>(window).acceptCancel = true;
        })
        .CloseWindow();
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "EvCancel"), 2);
    EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "EvOK"), 0);
}

TEST_F(Dialog, EscapePressesCancelAndHelpLeavesTheDialogOpen) {
    host.Click(kLCommandHelp).PressEscape();
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(dialog.calls, ::testing::Contains("EvHelp"));
    EXPECT_THAT(dialog.calls, ::testing::Contains("EvCancel"));
}

struct FilledDialog : ProbeDialog {
    void InitDialog() override {
        ProbeDialog::InitDialog();
        PopupAdd(103, "Blowfish");
        PopupAdd(103, "Des");
    }
};

TEST_F(Dialog, ControlCommandsReachCommandAfterTheControlChanged) {
    FilledDialog filled;
    host.Click(105).Click(102).SelectItem(103, 1).Click(kLCommandCancel);
    EXPECT_FALSE(filled.DoModal(nullptr));
    EXPECT_THAT(filled.calls, ElementsAre("InitDialog", "RefreshControls", "Command 105",
                                          "Command 102", "Command 103", "EvCancel", "EvDestroy"));
    EXPECT_TRUE(filled.IsChecked(102));
    EXPECT_EQ(filled.PopupGetSelection(103), 1);
}

TEST_F(Dialog, AFourDigitCommandCodeReachesCommandAsItsNumber) {
    dialog.DispatchCommand(LFourCharCode("2002"));
    dialog.DispatchCommand(LFourCharCode("ok  "));
    EXPECT_THAT(dialog.calls, ElementsAre("Command 2002", "EvOK"));
}

TEST_F(Dialog, AWindowThatCannotBeMadeReturnsFalseWithoutAnyMessage) {
    host.SetWindowCreationFails(true);
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(dialog.calls, IsEmpty());
    EXPECT_THAT(host.MessageBoxes(), IsEmpty());
}

TEST_F(Dialog, OnlyStandardMenuCommandsReachCommand) {
    EXPECT_TRUE(dialog.UserMenuCommand(kLCommandCopy));
    EXPECT_FALSE(dialog.UserMenuCommand(110));
    EXPECT_FALSE(dialog.UserMenuCommand(LFourCharCode("2002")));
    EXPECT_THAT(dialog.calls, ElementsAre("Command " + std::to_string(kLCommandCopy)));
}

TEST_F(Dialog, ScriptThatRunsOutClosesTheDialogAsCancelledAndIsAFault) {
    host.Type(101, "x");
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(host.TakeFaults(), ElementsAre(::testing::HasSubstr("\"Probe\" was open")));
    EXPECT_THAT(dialog.calls, ::testing::Contains("EvCancel"));
}

TEST_F(Dialog, DisabledAndHiddenControlsTakeNoInput) {
    host.Inspect([](LWindow& window) {
            window.EnableItem(105, false);
            window.ShowItem(101, false);
            EXPECT_FALSE(window.UserClick(105));
            EXPECT_FALSE(window.UserSetText(101, "x"));
            EXPECT_FALSE(window.UserClick(999));
        })
        .Click(kLCommandOK);
    EXPECT_TRUE(dialog.DoModal(nullptr));
    EXPECT_THAT(dialog.calls, ::testing::Not(::testing::Contains("Command 105")));
}

TEST_F(Dialog, OpenShowsAWindowWithoutAModalLoopUntilDisposed) {
    ProbeDialog parent;
    host.Inspect([&](LWindow& shownParent) {
            EXPECT_TRUE(dialog.Open(&shownParent, LWindowForm::Sheet));
            EXPECT_TRUE(dialog.IsVisible());
            dialog.Close(kLCommandOK);  // only a modal run ends with Close
            EXPECT_FALSE(dialog.IsEnded());
            dialog.Dispose();
            EXPECT_FALSE(dialog.IsVisible());
        })
        .Click(kLCommandCancel);
    parent.DoModal(nullptr);
    EXPECT_THAT(dialog.calls, ElementsAre("InitDialog", "RefreshControls", "EvDestroy"));
    EXPECT_THAT(host.Log(), ElementsAre("window: Probe", "window: Probe"));
}
