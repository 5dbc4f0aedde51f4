#include "LCommand.h"
#include "LDontShowAgainSetting.h"
#include "LFileExistsQuestion.h"
#include "LMenuBarLock.h"
#include "LMessageBox.h"
#include "LUserSettings.h"
#include "PrivateSettings.h"
#include "ScriptedTest.h"

#include <functional>

using ::testing::ElementsAre;

class MessageBox : public ScriptedTest {};

TEST_F(MessageBox, OneButtonBoxesCarryTheirIconCaptionAndButton) {
    struct Case {
        std::function<void()> show;
        LMessageBoxIcon icon;
        std::string caption;
        std::string button;
    } cases[] = {
        {[] { LMessageBoxError(nullptr, "Invalid Password"); }, LMessageBoxIcon::Stop,
         "ZEL Encryption Software", "OK"},
        {[] { LMessageBoxWarning(nullptr, "Please specify", "Zel"); }, LMessageBoxIcon::Caution,
         "Zel", "OK"},
        {[] { LMessageBoxInfo(nullptr, "Added", "Duplicate filename"); }, LMessageBoxIcon::Note,
         "Duplicate filename", "OK"},
        {[] { LMessageBoxButton(nullptr, "Zip", "Compression failed", "Continue"); },
         LMessageBoxIcon::Note, "Compression failed", "Continue"},
    };
    for (const Case& c : cases) {
        c.show();
        const LMessageBoxRequest& shown = host.MessageBoxes().back();
        EXPECT_EQ(shown.icon, c.icon) << c.caption;
        EXPECT_EQ(shown.caption, c.caption);
        EXPECT_THAT(shown.buttons, ElementsAre(c.button));
        EXPECT_TRUE(shown.tickText.empty());
    }
}

TEST_F(MessageBox, QuestionsReturnWhichButtonWasChosen) {
    host.Answer(0).Answer(1).Answer(0).Answer(1).Answer(0).Answer(1).Answer(2);
    EXPECT_TRUE(LMessageBoxOKCancel(nullptr, "Overwrite?", "Output File Conflict", "Overwrite"));
    EXPECT_FALSE(LMessageBoxOKCancel(nullptr, "Overwrite?", "Output File Conflict", "Overwrite"));
    EXPECT_TRUE(LMessageBoxTwoButtons(nullptr, "Extract?", "Zel", "Decompress", "Leave"));
    EXPECT_FALSE(LMessageBoxTwoButtons(nullptr, "Extract?", "Zel", "Decompress", "Leave"));
    for (int expected : {kLCommandOK, kLCommandCancel, kLCommandOther}) {
        EXPECT_EQ(LMessageBoxThreeButtons(nullptr, "Create?", "ZEL Encryption Software", "Create",
                                          "Cancel", "No"),
                  expected);
    }
    const LMessageBoxRequest& okCancel = host.MessageBoxes()[0];
    EXPECT_THAT(okCancel.buttons, ElementsAre("Overwrite", "Cancel"));
    EXPECT_EQ(okCancel.defaultButton, 0);
    EXPECT_EQ(okCancel.cancelButton, 1);
    EXPECT_THAT(host.MessageBoxes()[4].buttons, ElementsAre("Create", "Cancel", "No"));
    EXPECT_EQ(host.MessageBoxes()[4].cancelButton, 1);
}

TEST_F(MessageBox, ABoxThatCannotBeAskedCountsAsCancelled) {
    host.Answer(7);  // no such button
    EXPECT_FALSE(LMessageBoxOKCancel(nullptr, "?", "Zel", "Go"));
    bool tick = true;
    EXPECT_EQ(LMessageBoxThreeButtonsTick(nullptr, "?", "File Exists", "Each", tick, "Overwrite",
                                          "No", "Cancel"),
              2);
    EXPECT_TRUE(tick);
    EXPECT_THAT(host.TakeFaults(), ElementsAre(::testing::HasSubstr("no answer")));
}

TEST_F(MessageBox, CarriageReturnsAreRemovedFromTheMessage) {
    LMessageBoxError(nullptr, "Encryption aborted due to errors.\r\n Disk full");
    EXPECT_EQ(host.MessageBoxes().back().message, "Encryption aborted due to errors.\n Disk full");
}

TEST_F(MessageBox, ShownParentsTakeASheetAndHiddenOnesAFreeStandingAlert) {
    ProbeDialog parent;
    LMessageBoxError(&parent, "hidden parent");
    EXPECT_FALSE(host.MessageBoxes().back().sheet);
    host.Inspect([](LWindow& window) {
            LMessageBoxError(&window, "shown parent");
            LMessageBoxError(nullptr, "no parent");
        })
        .Click(kLCommandCancel);
    parent.DoModal(nullptr);
    EXPECT_TRUE(host.MessageBoxes()[1].sheet);
    EXPECT_EQ(host.MessageBoxes()[1].parent, &parent);
    EXPECT_FALSE(host.MessageBoxes()[2].sheet);
    host.SetSheetsSupported(false);
    host.Inspect([](LWindow& window) { LMessageBoxError(&window, "no sheets"); })
        .Click(kLCommandCancel);
    parent.DoModal(nullptr);
    EXPECT_FALSE(host.MessageBoxes().back().sheet);
}

TEST_F(MessageBox, MenusAreDisabledWhileAnyBoxIsUpAndComeBackAfterTheLast) {
    struct Recording : LScriptedHost {
        LMessageBoxAnswer ShowMessageBox(const LMessageBoxRequest& request) override {
            states.push_back(MenuBarEnabled());
            depths.push_back(LMenuBarLock::Depth());
            if (request.message == "outer") {
                LMessageBoxInfo(nullptr, "inner");
            }
            return LScriptedHost::ShowMessageBox(request);
        }
        std::vector<bool> states;
        std::vector<int> depths;
    } recording;
    LUIHostScope use(recording);
    LMessageBoxInfo(nullptr, "outer");
    EXPECT_THAT(recording.states, ElementsAre(false, false));
    EXPECT_THAT(recording.depths, ElementsAre(1, 2));
    EXPECT_TRUE(recording.MenuBarEnabled());
    EXPECT_EQ(LMenuBarLock::Depth(), 0);
}

TEST_F(MessageBox, DontShowAgainWritesBackItsTick) {
    host.Answer(0, true);
    bool tick = false;
    LMessageBoxDontShowAgain(nullptr, "Encrypt process finished successfully", "ZEL Encryption",
                             "Do not show again.", tick, "OK");
    EXPECT_TRUE(tick);
    const LMessageBoxRequest& shown = host.MessageBoxes().back();
    EXPECT_EQ(shown.icon, LMessageBoxIcon::Application);
    EXPECT_EQ(shown.tickText, "Do not show again.");
    EXPECT_FALSE(shown.tick);
    EXPECT_TRUE(shown.centreOnParent);
    EXPECT_EQ(shown.minimumWidth, 474);
    EXPECT_EQ(shown.minimumHeight, 134);
}

TEST_F(MessageBox, ThreeButtonsWithATickReturnOneThreeAndTwo) {
    struct Case {
        int button;
        bool tick;
        int result;
    } cases[] = {{0, false, 1}, {1, true, 3}, {2, false, 2}};
    for (const Case& c : cases) {
        host.Answer(c.button, c.tick);
        bool tick = !c.tick;
        EXPECT_EQ(LMessageBoxThreeButtonsTick(nullptr, "m", "File Exists", "Each", tick,
                                              "Overwrite", "No", "Cancel"),
                  c.result);
        EXPECT_EQ(tick, c.tick);
    }
    EXPECT_EQ(host.MessageBoxes().back().cancelButton, 2);
}

TEST_F(MessageBox, FileExistsKeepsTheWordingOfEachAsker) {
    host.Answer(1, true).Answer(0);
    bool tick = false;
    EXPECT_EQ(LAskFileExists(nullptr, "/out/a 100%.txt", LFileExistsWording::DecryptRun, tick), 3);
    EXPECT_TRUE(tick);
    EXPECT_EQ(LAskFileExists(nullptr, "a.txt", LFileExistsWording::ExtractArchive, tick), 1);
    EXPECT_FALSE(tick);
    const LMessageBoxRequest& run = host.MessageBoxes()[0];
    EXPECT_EQ(run.caption, "File Exists");
    EXPECT_EQ(run.message,
              "File \"/out/a 100%.txt\" already exists. Click 'Overwrite' to overwrite it.");
    EXPECT_EQ(run.tickText, "Do this for each file or folder.");
    EXPECT_THAT(run.buttons, ElementsAre("Overwrite", "No", "Cancel"));
    const LMessageBoxRequest& extract = host.MessageBoxes()[1];
    EXPECT_EQ(extract.message,
              "File \"a.txt\" already exists.  Click 'Overwrite' to overwrite it.");
    EXPECT_THAT(extract.buttons, ElementsAre("Overwrite", "Skip", "Cancel"));
    EXPECT_TRUE(extract.tick);  // the earlier tick is shown as it was left
}

TEST(NoHost, EveryQuestionCountsAsCancelledAndNoWindowOpens) {
    bool tick = true;
    EXPECT_FALSE(LMessageBoxOKCancel(nullptr, "?", "Zel", "Go"));
    EXPECT_EQ(LMessageBoxThreeButtons(nullptr, "?", "Zel", "Create", "Cancel", "No"),
              kLCommandCancel);
    EXPECT_EQ(LAskFileExists(nullptr, "a", LFileExistsWording::DecryptRun, tick), 2);
    EXPECT_TRUE(tick);
    ProbeDialog dialog;
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(dialog.calls, ::testing::IsEmpty());
}

TEST_F(MessageBox, ADontShowAgainSettingSilencesTheMessageOnceTicked) {
    PrivateSettings settings;
    host.Answer(0, false).Answer(0, true);
    for (bool shown : {true, true, false}) {
        EXPECT_EQ(LMessageBoxDontShowAgainSetting(nullptr, "Encrypt process finished successfully",
                                                  "ZEL Encryption", "Settings",
                                                  "ShowSuccessEncrypt", "OK"),
                  shown);
    }
    EXPECT_EQ(host.MessageBoxes().size(), 2u);
    EXPECT_EQ(host.MessageBoxes()[0].tickText, "Do not show again.");
    EXPECT_TRUE(LUserSettingGet<bool>("Settings", "ShowSuccessEncrypt", false));
}
