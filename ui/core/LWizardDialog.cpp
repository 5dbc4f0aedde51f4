#include "LWizardDialog.h"

#include "LLayout.h"
#include "LPlacement.h"
#include "LUIHost.h"

#include <algorithm>

namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 20;

}  // namespace

LWizardDialog::LWizardDialog(const std::string& title) {
    dialogTemplate.title = title;
}

bool LWizardDialog::AddPage(LWizardPage& page, const LDialogTemplate& pageTemplate,
                            const std::string& title, const std::string& subtitle, bool showHelp) {
    if (entries.size() >= kMaxPages) {
        return false;
    }
    page.SetTemplate(pageTemplate);
    entries.push_back({&page, pageTemplate, title, subtitle, showHelp});
    AttachPage(page);
    dialogTemplate.width = Width();
    dialogTemplate.height = PageAreaHeight() + kExtraHeight;
    return true;
}

bool LWizardDialog::DoModal(LWindow* parentWindow) {
    current = 0;
    for (const Entry& entry : entries) {
        entry.page->ResetPage();
    }
    const bool ok = LDialog::DoModal(parentWindow);
    for (const Entry& entry : entries) {
        if (entry.page->IsBuilt()) {
            entry.page->EvDestroy();
        }
    }
    return ok;
}

void LWizardDialog::DispatchCommand(int code) {
    const int command = LCommandNumber(code);
    if (command == kLCommandNext || command == kLCommandOK) {
        Next();
    } else if (command == kLCommandBack) {
        Back();
    } else if (command == kLCommandCancel) {
        LWizardPage* page = current < static_cast<int>(entries.size())
                                ? entries[static_cast<size_t>(current)].page
                                : nullptr;
        if ((page == nullptr || page->EvCancel()) && EvCancel()) {
            Close(kLCommandCancel);
        }
    } else if (command == kLCommandHelp) {
        if (current < static_cast<int>(entries.size())) {
            entries[static_cast<size_t>(current)].page->EvHelp();
        }
    } else if (current < static_cast<int>(entries.size())) {
        RouteFromPage(*entries[static_cast<size_t>(current)].page, command);
    }
}

void LWizardDialog::BuildControls() {
    const int width = Width();
    const int pageBottom = kPageTop + PageAreaHeight();
    const int buttonTop = pageBottom + 20;
    LLayoutStaticText(*this, kLWizardTitleText, {}, LTextAlignment::Left, {20, 14, width - 40, 18})
        .font = LFontStyle::Bold;
    LLayoutStaticText(*this, kLWizardSubtitleText, {}, LTextAlignment::Left,
                      {40, 34, width - 60, 18})
        .font = LFontStyle::Small;
    LLayoutSeparator(*this, 0, 58, width);
    LLayoutSeparator(*this, 0, pageBottom, width);
    LLayoutPushButton(*this, kLCommandHelp, {}, {20, buttonTop, 0, 0});
    // The three buttons keep 14 points between them and end 18 from the right edge, as in
    // every other dialog of the program.
    LLayoutPushButton(*this, kLCommandCancel, "Cancel",
                      {width - 346, buttonTop, kButtonWidth, kButtonHeight});
    LLayoutPushButton(*this, kLCommandBack, "Back",
                      {width - 232, buttonTop, kButtonWidth, kButtonHeight});
    LLayoutPushButton(*this, kLCommandNext, "Next",
                      {width - 118, buttonTop, kButtonWidth, kButtonHeight});
    SetDefaultButton(kLCommandNext);
}

LRect LWizardDialog::Placement() const {
    // Centred on the parent's screen; placed as any dialog when there is no parent.
    if (parent == nullptr) {
        return LDialog::Placement();
    }
    return LPlaceCentred(LUIHostCurrent().ScreenArea(parent), dialogTemplate.width,
                         dialogTemplate.height);
}

void LWizardDialog::AfterShow() {
    ShowCurrentPage();
}

void LWizardDialog::RouteFromPage(LWindow& page, int command) {
    const int number = LCommandNumber(command);
    if (number == kLCommandOK || number == kLCommandCancel || number == kLCommandHelp ||
        number == kLCommandNext || number == kLCommandBack) {
        DispatchCommand(number);
        return;
    }
    page.Command(number);
    page.RefreshControls();
}

void LWizardDialog::ShowCurrentPage() {
    const int count = static_cast<int>(entries.size());
    while (current < count && !entries[static_cast<size_t>(current)].page->IsPageEnabled()) {
        ++current;
    }
    if (current >= count) {
        Close(kLCommandOK);
        return;
    }
    const Entry& entry = entries[static_cast<size_t>(current)];
    if (!entry.page->IsBuilt()) {
        entry.page->BuildPage(0, kPageTop);
        NotifyWindowChanged();
        entry.page->InitDialog();
    }
    for (const Entry& other : entries) {
        if (other.page != entry.page && other.page->IsVisible()) {
            other.page->Show(false);
        }
    }
    entry.page->Show(true);
    SetItemText(kLWizardTitleText, entry.title);
    SetItemText(kLWizardSubtitleText, entry.subtitle);
    ShowItem(kLCommandHelp, entry.showHelp);
    EnableItem(kLCommandBack, current != 0);
    EnableItem(kLCommandNext, true);
    SetItemText(kLCommandNext, current == count - 1 ? "Finish" : "Next");
    entry.page->FocusFirstControl();
    entry.page->EvPageActivate();
    entry.page->RefreshControls();
}

void LWizardDialog::Next() {
    if (current >= static_cast<int>(entries.size())) {
        return;
    }
    LWizardPage& page = *entries[static_cast<size_t>(current)].page;
    if (!page.EvOK()) {
        return;
    }
    page.EvPageDeactivate();
    ++current;
    ShowCurrentPage();
}

void LWizardDialog::Back() {
    int earlier = current - 1;
    while (earlier >= 0 && !entries[static_cast<size_t>(earlier)].page->IsPageEnabled()) {
        --earlier;
    }
    if (earlier < 0) {
        return;
    }
    entries[static_cast<size_t>(current)].page->EvPageDeactivate();
    current = earlier;
    ShowCurrentPage();
}

int LWizardDialog::Width() const {
    int width = 0;
    for (const Entry& entry : entries) {
        width = std::max(width, entry.pageTemplate.width);
    }
    return width;
}

int LWizardDialog::PageAreaHeight() const {
    int height = 0;
    for (const Entry& entry : entries) {
        height = std::max(height, entry.pageTemplate.height);
    }
    return height;
}
