#include "LCommand.h"
#include "LTabView.h"
#include "ScriptedTest.h"

using ::testing::ElementsAre;

namespace {

class SheetPage : public LPropertyPage {
public:
    SheetPage(std::string pageName, std::vector<std::string>& calls)
        : name(std::move(pageName)), journal(calls) {}

    static void Layout(LWindow& window, int x, int y, bool /*standardButtons*/) {
        LLayoutEditField(window, static_cast<SheetPage&>(window).name == "General" ? 7604 : 7704,
                         x + 157, y + 156, 405);
    }

    void InitDialog() override { journal.push_back(name + " InitDialog"); }
    void EvPageActivate() override { journal.push_back(name + " EvPageActivate"); }
    void RefreshControls() override { journal.push_back(name + " RefreshControls"); }
    bool EvOK() override {
        journal.push_back(name + " EvOK");
        return acceptOK;
    }
    void Command(int id) override { journal.push_back(name + " Command " + std::to_string(id)); }

    bool acceptOK = true;

private:
    std::string name;
    std::vector<std::string>& journal;
};

}  // namespace

class TabView : public ScriptedTest {
protected:
    void SetUp() override {
        sheet.AddPage(general, LDialogTemplate{639, 484, "", 0, SheetPage::Layout}, "General");
        sheet.AddPage(email, LDialogTemplate{500, 300, "", 0, SheetPage::Layout}, "Email");
    }

    std::vector<std::string> journal;
    SheetPage general{"General", journal};
    SheetPage email{"Email", journal};
    LTabView sheet{"Preferences"};
};

TEST_F(TabView, EveryPageIsInitialisedWhenTheWindowOpensAndTheFirstTabIsShown) {
    host.Inspect([this](LWindow& w) {
            EXPECT_EQ(sheet.CurrentTab(), 0);
            EXPECT_TRUE(general.IsVisible());
            EXPECT_FALSE(email.IsVisible());
            EXPECT_THAT(w.FindControl(kLTabControl)->items, ElementsAre("General", "Email"));
            // Pages are laid out at (14, 39); the window fits the page shown.
            EXPECT_EQ(general.FindControl(7604)->rect.x, 14 + 157);
            EXPECT_EQ(general.FindControl(7604)->rect.y, 39 + 156);
            EXPECT_EQ(w.Frame().width, 639 + 28);
            EXPECT_EQ(w.FindControl(kLCommandOK)->rect.x, 639 + 28 - 118);
        })
        .Click(kLCommandCancel);
    EXPECT_FALSE(sheet.DoModal(nullptr));
    EXPECT_THAT(journal, ElementsAre("General InitDialog", "Email InitDialog",
                                     "General RefreshControls", "General EvPageActivate"));
}

TEST_F(TabView, OKAsksEveryPageInTabOrderAndBringsARefusingPageToTheFront) {
    email.acceptOK = false;
    host.Click(kLCommandOK)
        .Inspect([this](LWindow& w) {
            EXPECT_FALSE(w.IsEnded());
            EXPECT_EQ(sheet.CurrentTab(), 1);
            EXPECT_TRUE(email.IsVisible());
            EXPECT_FALSE(general.IsVisible());
            EXPECT_EQ(w.PopupGetSelection(kLTabControl), 1);
            EXPECT_EQ(w.Frame().width, 500 + 28);
            email.acceptOK = true;
            journal.clear();
        })
        .Click(kLCommandOK);
    EXPECT_TRUE(sheet.DoModal(nullptr));
    EXPECT_THAT(journal, ElementsAre("General EvOK", "Email EvOK"));
}

TEST_F(TabView, SelectingATabShowsItsPageAndPageCommandsReachThatPage) {
    host.SelectItem(kLTabControl, 1)
        .Type(7704, "typed")
        .Inspect([](LWindow& w) { w.DispatchCommand(7612); })
        .PressEscape();
    EXPECT_FALSE(sheet.DoModal(nullptr));
    EXPECT_EQ(email.GetItemText(7704), "typed");
    EXPECT_THAT(journal, ::testing::Contains("Email Command 7612"));
    EXPECT_THAT(journal, ::testing::Contains("Email EvPageActivate"));
}
