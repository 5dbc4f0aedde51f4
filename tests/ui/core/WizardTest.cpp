#include "LCommand.h"
#include "LMessageBox.h"
#include "LWizardDialog.h"
#include "ScriptedTest.h"

#include <memory>

using ::testing::ElementsAre;

namespace {

std::vector<std::string> journal;

// A page with one edit field (its number x 10 + 1) that records its hooks in the journal.
class ProbePage : public LWizardPage {
public:
    explicit ProbePage(int n) : number(n) {}

    static void Layout(LWindow& window, int x, int y, bool /*standardButtons*/) {
        const int id = static_cast<ProbePage&>(window).number * 10 + 1;
        LLayoutEditField(window, id, x + 18, y + 14, 200);
    }

    void InitDialog() override { Note("InitDialog"); }
    void EvPageActivate() override { Note("EvPageActivate"); }
    void EvPageDeactivate() override { Note("EvPageDeactivate"); }
    void RefreshControls() override {
        Note("RefreshControls");
        if (disableNext) {
            EnableItem(kLCommandNext, false);
        }
    }
    bool EvOK() override {
        Note("EvOK");
        return acceptOK;
    }
    bool EvCancel() override {
        Note("EvCancel");
        return true;
    }
    void Command(int id) override { Note("Command " + std::to_string(id)); }
    bool IsPageEnabled() override { return enabled; }

    bool enabled = true;
    bool acceptOK = true;
    bool disableNext = false;

private:
    void Note(const std::string& hook) { journal.push_back(std::to_string(number) + " " + hook); }

    int number;
};

}  // namespace

class Wizard : public ScriptedTest {
protected:
    void SetUp() override { journal.clear(); }

    // Pages 1..count, page n being (100 x n) wide and (50 x n) high.
    void AddPages(int count) {
        for (int n = 1; n <= count; ++n) {
            pages.push_back(std::make_unique<ProbePage>(n));
            wizard.AddPage(*pages.back(),
                           LDialogTemplate{100 * n, 50 * n, "Page", 0, ProbePage::Layout},
                           "Title " + std::to_string(n), "Subtitle " + std::to_string(n), n != 2);
        }
    }

    static void ExpectPage(LWindow& window, const std::string& title, bool backEnabled,
                           const std::string& next) {
        EXPECT_EQ(window.GetItemText(kLWizardTitleText), title);
        EXPECT_EQ(window.IsItemEnabled(kLCommandBack), backEnabled) << title;
        EXPECT_EQ(window.GetItemText(kLCommandNext), next) << title;
        EXPECT_TRUE(window.IsItemEnabled(kLCommandNext)) << title;
    }

    LWizardDialog wizard{"Encrypt Wizard"};
    std::vector<std::unique_ptr<ProbePage>> pages;
};

TEST_F(Wizard, WalksThePagesWithNextAndFinish) {
    AddPages(3);
    host.Inspect([](LWindow& w) {
            ExpectPage(w, "Title 1", false, "Next");
            EXPECT_EQ(w.GetItemText(kLWizardSubtitleText), "Subtitle 1");
            EXPECT_TRUE(w.IsItemVisible(kLCommandHelp));
        })
        .Click(kLCommandNext)
        .Inspect([](LWindow& w) {
            ExpectPage(w, "Title 2", true, "Next");
            EXPECT_FALSE(w.IsItemVisible(kLCommandHelp));
        })
        .PressReturn()  // Next is the default button
        .Inspect([](LWindow& w) { ExpectPage(w, "Title 3", true, "Finish"); })
        .Click(kLCommandNext);
    EXPECT_TRUE(wizard.DoModal(nullptr));
    EXPECT_THAT(journal, ElementsAre("1 InitDialog", "1 EvPageActivate", "1 RefreshControls",
                                     "1 EvOK", "1 EvPageDeactivate", "2 InitDialog",
                                     "2 EvPageActivate", "2 RefreshControls", "2 EvOK",
                                     "2 EvPageDeactivate", "3 InitDialog", "3 EvPageActivate",
                                     "3 RefreshControls", "3 EvOK", "3 EvPageDeactivate"));
}

TEST_F(Wizard, ALastPageThatIsDisabledMakesThePageBeforeItEndTheWizardUnderNext) {
    AddPages(3);
    pages[2]->enabled = false;
    host.Click(kLCommandNext)
        .Inspect([](LWindow& w) { ExpectPage(w, "Title 2", true, "Next"); })
        .Click(kLCommandNext);
    EXPECT_TRUE(wizard.DoModal(nullptr));
    EXPECT_FALSE(pages[2]->IsBuilt());
}

TEST_F(Wizard, BackOnTheFirstEnabledPageDoesNothing) {
    AddPages(3);
    pages[0]->enabled = false;
    host.Inspect([](LWindow& w) { ExpectPage(w, "Title 2", true, "Next"); })
        .Click(kLCommandBack)
        .Inspect([this](LWindow& w) {
            ExpectPage(w, "Title 2", true, "Next");
            EXPECT_EQ(wizard.CurrentPage(), 1);
        })
        .Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
    EXPECT_THAT(journal,
                ElementsAre("2 InitDialog", "2 EvPageActivate", "2 RefreshControls", "2 EvCancel"));
}

TEST_F(Wizard, BackSkipsDisabledPagesAndPagesKeepWhatWasTyped) {
    AddPages(3);
    host.Type(11, "first")
        .Click(kLCommandNext)
        .Inspect([this](LWindow&) { pages[1]->enabled = false; })
        .Click(kLCommandNext)
        .Click(kLCommandBack)
        .Inspect([](LWindow& w) {
            ExpectPage(w, "Title 1", false, "Next");
            EXPECT_EQ(w.FindInputOwner(11)->GetItemText(11), "first");
        })
        .Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "1 InitDialog"), 1);
    EXPECT_EQ(pages[0]->GetItemText(11), "first");
}

TEST_F(Wizard, APageThatRefusesNextStaysAndOnlyTheCurrentPageIsShown) {
    AddPages(2);
    pages[0]->acceptOK = false;
    host.Click(kLCommandNext)
        .Inspect([this](LWindow& w) {
            ExpectPage(w, "Title 1", false, "Next");
            EXPECT_TRUE(pages[0]->IsVisible());
            EXPECT_FALSE(pages[1]->IsVisible());
        })
        .Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
}

TEST_F(Wizard, PageCommandsReachThePageAndItsRefreshCanDisableNext) {
    AddPages(2);
    pages[0]->disableNext = true;
    host.Inspect([](LWindow& w) { EXPECT_FALSE(w.IsItemEnabled(kLCommandNext)); })
        .Inspect([](LWindow& w) { w.DispatchCommand(13601); })
        .Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
    EXPECT_THAT(journal, ElementsAre("1 InitDialog", "1 EvPageActivate", "1 RefreshControls",
                                     "1 Command 13601", "1 RefreshControls", "1 EvCancel"));
}

TEST_F(Wizard, WithNoEnabledPageItEndsWithOKAtOnce) {
    AddPages(2);
    pages[0]->enabled = false;
    pages[1]->enabled = false;
    EXPECT_TRUE(wizard.DoModal(nullptr));
    EXPECT_THAT(journal, ::testing::IsEmpty());
}

TEST_F(Wizard, IsSizedByItsLargestPagesAndLaysOutItsFrame) {
    AddPages(3);
    host.Inspect([this](LWindow& w) {
            EXPECT_EQ(w.Frame().width, 300);
            EXPECT_EQ(w.Frame().height, 150 + 114);
            // Without a parent it is placed as any dialog.
            EXPECT_EQ(w.Frame().x, (1440 - 300) / 2);
            EXPECT_EQ(w.Frame().y, (900 - 264) / 3);
            EXPECT_EQ(pages[0]->FindControl(11)->rect, (LRect{18, 54 + 14, 200, 0}));
            EXPECT_EQ(w.FindControl(kLWizardTitleText)->rect.x, 20);
            EXPECT_EQ(w.FindControl(kLWizardTitleText)->font, LFontStyle::Bold);
            EXPECT_EQ(w.FindControl(kLWizardSubtitleText)->rect.y, 34);
            EXPECT_EQ(w.FindControl(kLCommandHelp)->rect, (LRect{20, 224, 20, 20}));
            EXPECT_EQ(w.FindControl(kLCommandNext)->rect, (LRect{300 - 118, 224, 100, 20}));
            EXPECT_EQ(w.FindControl(kLCommandBack)->rect.x, 300 - 232);
            EXPECT_EQ(w.FindControl(kLCommandCancel)->rect.x, 300 - 346);
        })
        .Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
}

TEST_F(Wizard, HoldsAtMost32Pages) {
    AddPages(32);
    ProbePage extra(33);
    EXPECT_FALSE(wizard.AddPage(extra, LDialogTemplate{10, 10, "", 0, nullptr}, "", "", false));
    EXPECT_EQ(wizard.Pages().size(), 32u);
}

TEST_F(Wizard, HelpGoesToTheCurrentPageAndCloseActsAsCancel) {
    AddPages(1);
    host.Click(kLCommandHelp).CloseWindow();
    EXPECT_FALSE(wizard.DoModal(nullptr));
    EXPECT_THAT(host.URLs(), ElementsAre(::testing::EndsWith("/help/index.html")));
    EXPECT_THAT(journal, ::testing::Contains("1 EvCancel"));
}

TEST_F(Wizard, BoxesAskedFromAPageHangOnTheWizard) {
    AddPages(1);
    host.Inspect(
            [this](LWindow&) { LMessageBoxError(pages[0].get(), "Please enter your password"); })
        .Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].parent, &wizard);
    EXPECT_TRUE(host.MessageBoxes()[0].sheet);
}

TEST_F(Wizard, IsCentredOnTheScreenOfItsParent) {
    AddPages(1);
    ProbeDialog parent;
    host.Inspect([this](LWindow& shown) {
            EXPECT_FALSE(wizard.DoModal(&shown));  // takes the next step, its Cancel
            EXPECT_EQ(wizard.Frame().y, (900 - (50 + 114)) / 2);
        })
        .Click(kLCommandCancel)
        .Click(kLCommandCancel);
    parent.DoModal(nullptr);
}
