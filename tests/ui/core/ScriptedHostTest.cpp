#include "LCommand.h"
#include "LOpenHelpTopic.h"
#include "LSignalObject.h"
#include "LStandardFolders.h"
#include "ScriptedTest.h"

using ::testing::ElementsAre;

namespace {

// Stands in for a progress window: a Cancel button that only records the request.
class ProgressProbe : public LWindow {
public:
    ProgressProbe() {
        LControl cancel;
        cancel.id = 105;
        cancel.kind = LControlKind::PushButton;
        cancel.text = "Cancel";
        cancel.command = kLCommandCancel;
        cancel.isCancel = true;
        AddControl(cancel);
    }
    bool EvCancel() override {
        ++cancels;
        return true;
    }
    int cancels = 0;
};

}  // namespace

class ScriptedHost : public ScriptedTest {};

TEST_F(ScriptedHost, PressesCancelOnTheProgressWindowAtTheChosenEventPoint) {
    ProgressProbe progress;
    ASSERT_TRUE(host.CreateWindow(progress, nullptr, LWindowForm::Modeless));
    host.CancelProgressAfter(3);
    EXPECT_FALSE(host.PumpEvents());
    EXPECT_EQ(host.WaitForEvent(1, -1), LUIWaitResult::TimedOut);
    EXPECT_TRUE(host.PumpEvents());
    EXPECT_EQ(progress.cancels, 1);
    EXPECT_FALSE(host.PumpEvents());  // only once
    EXPECT_EQ(progress.cancels, 1);
    EXPECT_EQ(host.EventPoints(), 4);
    host.DestroyWindow(progress);
}

TEST_F(ScriptedHost, WaitsOnTheWakeUpDescriptor) {
    LSignalObject signal;
    EXPECT_EQ(host.WaitForEvent(5, signal.ReadFd()), LUIWaitResult::TimedOut);
    signal.Set();
    EXPECT_EQ(host.WaitForEvent(0xFFFFFFFFu, signal.ReadFd()), LUIWaitResult::Ready);
}

TEST_F(ScriptedHost, AWaitForEverWithNothingToComeIsAFaultNotAHang) {
    EXPECT_EQ(host.WaitForEvent(0xFFFFFFFFu, -1), LUIWaitResult::Quitting);
    EXPECT_THAT(host.TakeFaults(), ElementsAre(::testing::HasSubstr("for ever")));
}

TEST_F(ScriptedHost, StepsOutOfPlaceAreFaults) {
    ProbeDialog dialog;
    host.Answer(0).Click(999).Click(kLCommandCancel);
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(host.TakeFaults(),
                ElementsAre(::testing::HasSubstr("Answer came while \"Probe\" was open"),
                            ::testing::HasSubstr("Click(999) could not be done")));
}

TEST_F(ScriptedHost, RecordsBubbleTipsClipboardAndURLsAndFocusesTheTippedField) {
    host.Inspect([](LWindow& w) {
            w.ShowBubbleTip(101, "If you choose SMTP you must enter an SMTP mail host.",
                            "Mail host required");
            LUIHostCurrent().SetClipboardText("d41d8cd98f00b204e9800998ecf8427e");
        })
        .Click(kLCommandCancel);
    ProbeDialog dialog;
    dialog.DoModal(nullptr);
    ASSERT_EQ(host.BubbleTips().size(), 1u);
    EXPECT_EQ(host.BubbleTips()[0].id, 101);
    EXPECT_EQ(host.BubbleTips()[0].title, "Mail host required");
    EXPECT_EQ(host.FocusId(), 101);
    EXPECT_EQ(host.Clipboard(), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(HelpTopic, NamesTheHTMLFileInTheHelpFolderOnce) {
    const std::string folder = LGetBundleResourcesFolder() + "/help/";
    EXPECT_EQ(LHelpTopicPath("general"), folder + "general.html");
    EXPECT_EQ(LHelpTopicPath("index.html"), folder + "index.html");
    LScriptedHost host;
    LUIHostScope scope(host);
    LOpenHelpTopic("encryptemail");
    EXPECT_THAT(host.URLs(), ElementsAre("file://" + folder + "encryptemail.html"));
}

TEST_F(ScriptedHost, TimersFireOnceFromTheModalLoopAndGoWithTheirWindow) {
    struct Timed : ProbeDialog {
        void InitDialog() override {
            LUIHostCurrent().SetTimer(*this, 100, 0);
            LUIHostCurrent().SetTimer(*this, 7, 50);
            LUIHostCurrent().SetTimer(*this, 100, 10);  // rescheduled, not doubled
            LUIHostCurrent().SetTimer(*this, 8, 10);
            LUIHostCurrent().KillTimer(*this, 8);
        }
        void EvTimer(int id) override {
            calls.push_back("EvTimer " + std::to_string(id));
            if (id == 7) {
                LUIHostCurrent().SetTimer(*this, 9, 0);  // set again from a handler
            }
        }
    } dialog;
    host.Click(105).Click(kLCommandCancel);
    EXPECT_FALSE(dialog.DoModal(nullptr));
    // One timer before each step; 9, set last, is still pending when the window goes.
    EXPECT_THAT(dialog.calls, ElementsAre("RefreshControls", "EvTimer 7", "Command 105",
                                          "EvTimer 100", "EvCancel", "EvDestroy"));
}
