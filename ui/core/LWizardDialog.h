#pragma once

#include "LCommand.h"
#include "LDialog.h"
#include "LPage.h"

#include <string>
#include <vector>

// Control ids of the wizard's own frame (the buttons use the standard commands).
constexpr int kLWizardTitleText = LFourCharCode("wTit");
constexpr int kLWizardSubtitleText = LFourCharCode("wSub");

// A dialog that leads through up to 32 pages with Back and Next (Finish on the last page).
// Pages that say they are not enabled are passed over; when no page is left the wizard ends
// with OK. After it ends the caller reads the results from the page objects.
class LWizardDialog : public LDialog {
public:
    static constexpr int kMaxPages = 32;
    static constexpr int kPageTop = 54;
    static constexpr int kExtraHeight = 114;

    explicit LWizardDialog(const std::string& title);

    // False when the wizard already holds kMaxPages pages.
    bool AddPage(LWizardPage& page, const LDialogTemplate& pageTemplate, const std::string& title,
                 const std::string& subtitle, bool showHelp);

    bool DoModal(LWindow* parent) override;
    void DispatchCommand(int code) override;

    // The index of the page shown, or of the next page to show.
    int CurrentPage() const { return current; }

protected:
    void BuildControls() override;
    LRect Placement() const override;
    void AfterShow() override;
    void RouteFromPage(LWindow& page, int command) override;

private:
    struct Entry {
        LWizardPage* page;
        LDialogTemplate pageTemplate;
        std::string title;
        std::string subtitle;
        bool showHelp;
    };

    void ShowCurrentPage();
    void Next();
    void Back();
    int Width() const;
    int PageAreaHeight() const;

    std::vector<Entry> entries;
    int current = 0;
};
