#include "LMessageBox.h"
#include "LProgressLayouts.h"
#include "LTerminalChooser.h"
#include "LTerminalProgressLine.h"
#include "LTerminalQuestion.h"
#include "LWindow.h"

#include <gtest/gtest.h>

#include <string>

TEST(TerminalQuestionAnswer, NumbersTitlesAndUniqueBeginningsChooseAButton) {
    LMessageBoxRequest request;
    request.buttons = {"Overwrite", "No", "Cancel"};
    request.defaultButton = 0;
    struct Case {
        const char* typed;
        int button;
    };
    for (const Case& c : {Case{"", 0}, Case{"  ", 0}, Case{"2", 1}, Case{" 3 ", 2}, Case{"0", -1},
                          Case{"4", -1}, Case{"99999999999", -1}, Case{"cancel", 2},
                          Case{"OVER", 0}, Case{"n", 1}, Case{"x", -1}, Case{"2b", -1}}) {
        EXPECT_EQ(LTerminalButtonAnswer(request, c.typed), c.button) << '"' << c.typed << '"';
    }
    // A beginning two titles share names neither.
    request.buttons = {"Skip", "Skip all"};
    EXPECT_EQ(LTerminalButtonAnswer(request, "sk"), -1);
    EXPECT_EQ(LTerminalButtonAnswer(request, "skip"), 0);
}

namespace {

// A progress window's controls as the progress layouts declare them.
class ProgressModel : public LWindow {
public:
    ProgressModel() { DlgGendlgLPROGRESSDIALOG(*this, 0, 0, false); }
};

}  // namespace

TEST(TerminalProgressLine, ShowsTheBarThePercentAndBothStatusLines) {
    ProgressModel window;
    window.SetItemText(kLProgressStatus0, "Encrypting...");
    window.SetItemText(kLProgressStatus1, "a.txt");
    window.SetProgressValue(kLProgressBar, 99);
    EXPECT_EQ(LTerminalProgressLine::Compose(window, 200, 0),
              "[################### ]  99% Encrypting... a.txt");
    window.SetProgressValue(kLProgressBar, 100);
    window.SetItemText(kLProgressStatus1, {});
    EXPECT_EQ(LTerminalProgressLine::Compose(window, 200, 0),
              "[####################] 100% Encrypting...");
}

TEST(TerminalProgressLine, IsCutToTheWidthAtACharacterBoundary) {
    ProgressModel window;
    window.SetItemText(kLProgressStatus1, "\xC3\xA9t\xC3\xA9.txt");  // "été.txt"
    // 27 columns of bar and percent, a space, then two characters of the name.
    EXPECT_EQ(LTerminalProgressLine::Compose(window, 30, 0),
              "[                    ]   0% \xC3\xA9t");
}

TEST(TerminalProgressLine, ABusyBarSweepsInsteadOfAPercent) {
    ProgressModel window;
    window.SetProgressIndeterminate(kLProgressBar, true);
    const std::string first = LTerminalProgressLine::Compose(window, 200, 0);
    EXPECT_EQ(first.find('%'), std::string::npos);
    EXPECT_EQ(first.substr(0, 5), "[<=> ");
    EXPECT_NE(LTerminalProgressLine::Compose(window, 200, 5), first);
}

TEST(TerminalChooserDefault, IsTheProposedFileOrTheStartFolder) {
    LChooserRequest request;
    request.kind = LChooserKind::Save;
    request.folder = "/home/u/Documents";
    request.name = "Untitled.zel";
    EXPECT_EQ(LTerminalChooserDefault(request), "/home/u/Documents/Untitled.zel");
    request.kind = LChooserKind::Folder;
    request.name.clear();
    EXPECT_EQ(LTerminalChooserDefault(request), "/home/u/Documents");
}
