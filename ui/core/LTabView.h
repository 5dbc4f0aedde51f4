#pragma once

#include "LCommand.h"
#include "LDialog.h"
#include "LPage.h"

#include <string>
#include <vector>

// The id of a property sheet's tab control.
constexpr int kLTabControl = LFourCharCode("tabs");

// A property sheet: a tab control with one tab per page (up to 32), Help, Cancel and OK below.
// Every page is created and initialised when the window opens; OK asks every page's EvOK in
// tab order and brings the first one that refuses to the front.
class LTabView : public LDialog {
public:
    static constexpr int kMaxPages = 32;
    static constexpr int kPageLeft = 14;
    static constexpr int kPageTop = 39;

    explicit LTabView(const std::string& title);

    // False when the sheet already holds kMaxPages pages.
    bool AddPage(LPropertyPage& page, const LDialogTemplate& pageTemplate,
                 const std::string& tabTitle);

    bool DoModal(LWindow* parent) override;
    void DispatchCommand(int code) override;

    int CurrentTab() const { return current; }
    // Shows the tab's page and fits the window to it.
    void SelectTab(int index);

protected:
    void BuildControls() override;
    void AfterShow() override;

private:
    void FitToPage(const LPropertyPage& page);

    std::vector<LPropertyPage*> pages;
    int current = -1;
};
