#include "LCommand.h"
#include "LWizardDialog.h"
#include "LWizardProcessBase.h"
#include "ScriptedTest.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

using ::testing::ElementsAre;

namespace {

// A page that runs its body in place, as the file-list page does.
class RunPage : public LWizardProcessBase {
public:
    static void Layout(LWindow& window, int x, int y, bool /*standardButtons*/) {
        LLayoutStaticText(window, kLWizardProcessStatus0, "old", LTextAlignment::Left,
                          {x + 20, y + 20, 300, 18});
        LLayoutStaticText(window, kLWizardProcessStatus1, "old", LTextAlignment::Left,
                          {x + 20, y + 42, 300, 18});
        LLayoutProgressBar(window, kLWizardProcessBar, x + 20, y + 66, 300);
    }
    static LDialogTemplate Template() { return {400, 100, {}, 0, Layout}; }

    RunPage() : LWizardProcessBase(Template()) {}
    using LWizardProcessBase::Timers;

    std::function<void(RunPage&)> body = [](RunPage&) {};
    int runs = 0;

protected:
    void MainFunction() override {
        ++runs;
        body(*this);
    }
};

// Clicks a control of a window at the chosen event point, as a user pressing a button while
// the run reports its progress; and keeps the timers set and removed.
class ClickingHost : public LScriptedHost {
public:
    void ClickAt(LWindow& window, int id, int events) {
        target = &window;
        targetId = id;
        due = events;
    }
    bool PumpEvents() override {
        const bool dispatched = LScriptedHost::PumpEvents();
        if (target != nullptr && --due == 0) {
            std::exchange(target, nullptr)->UserClick(targetId);
            return true;
        }
        return dispatched;
    }
    void SetTimer(LWindow& window, int id, unsigned int ms) override {
        set.emplace_back(id, ms);
        setting = true;  // a reschedule removes the old timer first: not a kill to record
        LScriptedHost::SetTimer(window, id, ms);
        setting = false;
    }
    void KillTimer(LWindow& window, int id) override {
        if (!setting) {
            killed.push_back(id);
        }
        LScriptedHost::KillTimer(window, id);
    }

    std::vector<std::pair<int, unsigned int>> set;
    std::vector<int> killed;

private:
    LWindow* target = nullptr;
    int targetId = 0;
    int due = 0;
    bool setting = false;
};

class WizardProcessTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_THAT(host.Faults(), ::testing::IsEmpty());
        EXPECT_TRUE(host.ScriptDone());
    }

    ClickingHost host;
    LUIHostScope scope{host};
    LWizardDialog wizard{"Encrypt"};
};

// Loops until the page says stop.
void UntilStopped(RunPage& page) {
    while (!page.IsToStop()) {
    }
}

}  // namespace

using WizardProcess = WizardProcessTest;

TEST_F(WizardProcess, RunsFromTimer100OnceThePageIsShownAndReportsIntoThePage) {
    RunPage page;
    page.body = [](RunPage& p) {
        // Set up with both status lines emptied and disabled.
        EXPECT_EQ(p.GetItemText(kLWizardProcessStatus0), "");
        EXPECT_FALSE(p.IsItemEnabled(kLWizardProcessStatus1));
        EXPECT_TRUE(p.IsVisible());
        p.SetStatus("Creating file list...", 0);
        p.SetStatus("a.txt", 1);
        p.SetStatus("not shown", 2);
        p.SetProgress(0.999);
    };
    wizard.AddPage(page, RunPage::Template(), "Preparing", {}, false);
    host.Inspect([&page](LWindow&) {
            EXPECT_EQ(page.runs, 1);
            EXPECT_EQ(page.GetItemText(kLWizardProcessStatus0), "Creating file list...");
            EXPECT_EQ(page.GetItemText(kLWizardProcessStatus1), "a.txt");
            EXPECT_TRUE(page.IsItemEnabled(kLWizardProcessStatus1));
            EXPECT_EQ(page.FindControl(kLWizardProcessBar)->value, 99);
        })
        .PressReturn();
    EXPECT_TRUE(wizard.DoModal(nullptr));
    // 0 ms is taken as 10.
    EXPECT_THAT(host.set, ElementsAre(std::pair{LWizardProcessBase::kRunTimer, 10u}));
}

TEST_F(WizardProcess, CancelStopsTheRunAndEndsTheWizard) {
    RunPage page;
    bool stopped = false;
    page.body = [&stopped](RunPage& p) {
        UntilStopped(p);
        stopped = true;
    };
    wizard.AddPage(page, RunPage::Template(), "Preparing", {}, false);
    host.ClickAt(wizard, kLCommandCancel, 3);
    EXPECT_FALSE(wizard.DoModal(nullptr));
    EXPECT_TRUE(stopped);
}

TEST_F(WizardProcess, LeavingThePageStopsTheRunAndComingBackRunsAgain) {
    LWizardPage first(LDialogTemplate{400, 100, {}, 0, nullptr});
    RunPage page;
    std::vector<bool> stopAtStart;
    page.body = [&](RunPage& p) {
        stopAtStart.push_back(p.IsProcessEventHandlerToStop());
        if (p.runs == 1) {
            host.ClickAt(wizard, kLCommandBack, 2);
            UntilStopped(p);
        }
    };
    wizard.AddPage(first, {400, 100, {}, 0, nullptr}, "First", {}, false);
    wizard.AddPage(page, RunPage::Template(), "Preparing", {}, false);
    host.PressReturn().PressReturn().Click(kLCommandCancel);
    EXPECT_FALSE(wizard.DoModal(nullptr));
    EXPECT_EQ(page.runs, 2);
    EXPECT_THAT(stopAtStart, ElementsAre(false, false));
}

TEST_F(WizardProcess, AnErrorIsABoxCaptionedZel) {
    RunPage page;
    page.body = [](RunPage& p) { p.SetError("Could not read the folder."); };
    wizard.AddPage(page, RunPage::Template(), "Preparing", {}, false);
    host.PressReturn();
    EXPECT_TRUE(wizard.DoModal(nullptr));
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].caption, "Zel");
    EXPECT_THAT(host.MessageBoxes()[0].buttons, ElementsAre("OK"));
}

TEST_F(WizardProcess, TimersNotInTheTableAreIgnored) {
    RunPage page;
    page.EvTimer(LWizardProcessBase::kRunTimer);
    EXPECT_EQ(page.runs, 0);

    LEventLoopTimers& timers = page.Timers();
    timers.Set(-1, 5);
    EXPECT_TRUE(host.set.empty());
    timers.Set(LWizardProcessBase::kRunTimer, 25);
    timers.Set(LWizardProcessBase::kRunTimer, 40);  // rescheduled, still one timer
    page.EvTimer(LWizardProcessBase::kRunTimer);
    page.EvTimer(LWizardProcessBase::kRunTimer);  // one-shot: already fired
    EXPECT_EQ(page.runs, 1);
    EXPECT_THAT(host.set, ElementsAre(std::pair{100, 25u}, std::pair{100, 40u}));
    timers.Remove(7);  // never set
    EXPECT_TRUE(host.killed.empty());
}

TEST_F(WizardProcess, TearingThePageDownRemovesItsTimers) {
    {
        RunPage page;
        page.Timers().Set(3, 50);
        page.Timers().Set(4, 50);
        page.EvDestroy();
        EXPECT_THAT(host.killed, ElementsAre(3, 4));
        EXPECT_FALSE(page.Timers().IsPending(3));
        page.Timers().Set(5, 50);
    }
    EXPECT_THAT(host.killed, ElementsAre(3, 4, 5));
}
