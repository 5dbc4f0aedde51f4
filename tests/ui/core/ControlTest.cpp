#include "LCommand.h"
#include "ScriptedTest.h"

#include <string>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Control operations on a dialog whose controls are laid out but which is not shown.
class Controls : public ScriptedTest {
protected:
    void SetUp() override {
        ProbeDialog::Layout(dialog, 0, 0, true);
        dialog.InitDialog();
        dialog.calls.clear();
    }

    ProbeDialog dialog;
};

TEST_F(Controls, SettingAFieldNotifiesOnlyWhenTheTextDiffersIgnoringCase) {
    dialog.SetItemText(101, "Report");
    dialog.SetItemText(101, "REPORT");
    dialog.SetItemText(101, "Reports");
    dialog.UserSetText(101, "reports");  // typing always notifies a change
    dialog.UserSetText(101, "reports");  // no change, no notification
    EXPECT_THAT(dialog.calls, ElementsAre("Command 500", "Command 500", "Command 500"));
    EXPECT_EQ(dialog.GetItemText(101), "reports");
}

TEST_F(Controls, MissingControlsAreIgnoredAndReadAsEmpty) {
    dialog.SetItemText(999, "x");
    dialog.EnableItem(999, false);
    dialog.SetChecked(999, true);
    dialog.PopupSelect(999, 1);
    dialog.ListRemoveRow(999, 0);
    dialog.SetTooltips({{999, "tip"}, {-1, "label"}});
    dialog.ShowBubbleTip(999, "tip");
    EXPECT_EQ(dialog.GetItemText(999), "");
    EXPECT_EQ(dialog.GetPasswordText(999), "");
    EXPECT_FALSE(dialog.IsChecked(999));
    EXPECT_EQ(dialog.PopupGetSelection(999), -1);
    EXPECT_EQ(dialog.ListGetCount(999), 0);
    EXPECT_EQ(dialog.ListAddRow(999, "row"), -1);
    EXPECT_EQ(dialog.ListGetText(999, 0, 0), "");
    EXPECT_EQ(dialog.ComboGetItem(999, 0), "");
    EXPECT_EQ(dialog.GetItemText(-1), "");  // labels are never addressed
    EXPECT_THAT(host.BubbleTips(), IsEmpty());
}

TEST_F(Controls, PopupSelectionFallsBackToTheFirstItemAndReadsMinusOneWhenNone) {
    EXPECT_EQ(dialog.PopupGetSelection(103), -1);
    dialog.PopupSelect(103, 0);
    EXPECT_EQ(dialog.PopupGetSelection(103), -1);  // nothing to select
    dialog.PopupAdd(103, "Blowfish");
    dialog.PopupAdd(103, "Des");
    for (auto [index, selected] : {std::pair{1, 1}, {5, 0}, {-1, 0}, {0, 0}}) {
        dialog.PopupSelect(103, index);
        EXPECT_EQ(dialog.PopupGetSelection(103), selected) << index;
    }
    dialog.PopupClear(103);
    EXPECT_EQ(dialog.PopupGetSelection(103), -1);
}

TEST_F(Controls, ListRowsSelectionAndItsNotification) {
    dialog.NotifyOnEdit(104, 1000);
    EXPECT_EQ(dialog.ListAddRow(104, "/a"), 0);
    EXPECT_EQ(dialog.ListAddRow(104, "/b"), 1);
    EXPECT_EQ(dialog.ListAddRow(104, "/c"), 2);
    EXPECT_TRUE(dialog.UserSelectRows(104, {0, 2}));
    EXPECT_TRUE(dialog.UserSelectRows(104, {0, 2}));  // unchanged: no second notification
    EXPECT_FALSE(dialog.UserSelectRows(104, {3}));
    EXPECT_EQ(dialog.ListGetSelectedCount(104), 2);
    EXPECT_TRUE(dialog.ListIsSelected(104, 2));
    EXPECT_FALSE(dialog.ListIsSelected(104, 1));
    dialog.ListRemoveRow(104, 1);  // not selected: the selection is unchanged
    dialog.ListRemoveRow(104, 1);  // was "/c", selected
    EXPECT_EQ(dialog.ListGetCount(104), 1);
    EXPECT_EQ(dialog.ListGetText(104, 0, 0), "/a");
    EXPECT_EQ(dialog.ListGetText(104, 0, 1), "");
    EXPECT_THAT(dialog.calls, ElementsAre("Command 1000", "Command 1000"));
}

TEST_F(Controls, PasswordTextIsCutTo259BytesWithoutSplittingACharacter) {
    LLayoutPasswordField(dialog, 110, 0, 0, 100);
    dialog.UserSetText(110, std::string(300, 'p'));
    EXPECT_EQ(dialog.GetPasswordText(110), std::string(259, 'p'));
    EXPECT_EQ(dialog.GetItemText(110).size(), 300u);
    // A two-byte character across the limit is left out whole.
    dialog.UserSetText(110, std::string(258, 'p') + "\xC3\xA9" + "tail");
    EXPECT_EQ(dialog.GetPasswordText(110), std::string(258, 'p'));
}

TEST_F(Controls, LongPathsAreReadWhole) {
    const std::string path = "/" + std::string(400, 'd') + "/file.zel";
    dialog.UserSetText(101, path);
    EXPECT_EQ(dialog.GetItemText(101), path);
}

TEST_F(Controls, RadioButtonsOfAWindowFormOneGroup) {
    LLayoutRadioButton(dialog, 201, "SMTP", {0, 0, 10, 10});
    LLayoutRadioButton(dialog, 202, "Sendmail", {0, 0, 10, 10});
    dialog.SetChecked(201, true);
    EXPECT_TRUE(dialog.UserClick(202));
    EXPECT_FALSE(dialog.IsChecked(201));
    EXPECT_TRUE(dialog.IsChecked(202));
    dialog.SetChecked(201, true);
    EXPECT_FALSE(dialog.IsChecked(202));
}

TEST_F(Controls, CheckBoxesToggleAndDefaultButtonFollowsSetDefaultButton) {
    EXPECT_TRUE(dialog.UserClick(102));
    EXPECT_TRUE(dialog.IsChecked(102));
    EXPECT_TRUE(dialog.UserClick(102));
    EXPECT_FALSE(dialog.IsChecked(102));
    dialog.SetDefaultButton(105);
    EXPECT_FALSE(dialog.FindControl(kLCommandOK)->isDefault);
    EXPECT_TRUE(dialog.UserPressReturn());
    EXPECT_THAT(dialog.calls, ElementsAre("Command 102", "Command 102", "Command 105"));
}

TEST_F(Controls, ComboBoxItemsTextsColoursTooltipsAndEmptyText) {
    LLayoutComboBox(dialog, 120, 0, 0, 100);
    dialog.ComboAddItem(120, "smtp.example.org");
    dialog.ComboAddItem(120, "mail.example.org");
    dialog.SetItemText(120, "typed");
    EXPECT_EQ(dialog.ComboGetCount(120), 2);
    EXPECT_EQ(dialog.ComboGetItem(120, 1), "mail.example.org");
    EXPECT_EQ(dialog.GetItemText(120), "typed");
    dialog.SetTextColour(101, {0xFF00, 0, 0});
    dialog.SetTooltips({{101, "Name"}, {105, "Does it"}});
    dialog.SetItemEmptyText(101, "(none)");
    const LControl& field = *dialog.FindControl(101);
    EXPECT_TRUE(field.hasTextColour);
    EXPECT_EQ(field.textColour, (LColour{0xFF00, 0, 0}));
    EXPECT_EQ(field.tooltip, "Name");
    EXPECT_EQ(field.emptyText, "(none)");
    EXPECT_EQ(dialog.FindControl(105)->tooltip, "Does it");
}

TEST_F(Controls, ProgressBarKeepsWholePercentWithinRange) {
    LLayoutProgressBar(dialog, 130, 0, 0, 100);
    dialog.SetProgressIndeterminate(130, true);
    dialog.SetProgressValue(130, 99);
    EXPECT_FALSE(dialog.FindControl(130)->indeterminate);
    EXPECT_EQ(dialog.FindControl(130)->value, 99);
    dialog.SetProgressValue(130, 250);
    EXPECT_EQ(dialog.FindControl(130)->value, 100);
}

TEST_F(Controls, StandardButtonsSitWhereTheDialogsExpectThem) {
    EXPECT_EQ(dialog.FindControl(kLCommandHelp)->rect, (LRect{18, 250, 20, 20}));
    EXPECT_EQ(dialog.FindControl(kLCommandCancel)->rect, (LRect{168, 250, 100, 20}));
    EXPECT_EQ(dialog.FindControl(kLCommandOK)->rect, (LRect{282, 250, 100, 20}));
    EXPECT_TRUE(dialog.FindControl(kLCommandOK)->isDefault);
    EXPECT_TRUE(dialog.FindControl(kLCommandCancel)->isCancel);
    EXPECT_TRUE(dialog.FindControl(kLCommandHelp)->isHelp);
}
