#include "LTabView.h"

#include "LLayout.h"
#include "LPlacement.h"
#include "LUIHost.h"

namespace {

constexpr int kMarginBelowPage = 14;
constexpr int kButtonGap = 20;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 20;

}  // namespace

LTabView::LTabView(const std::string& title) {
    dialogTemplate.title = title;
}

bool LTabView::AddPage(LPropertyPage& page, const LDialogTemplate& pageTemplate,
                       const std::string& tabTitle) {
    if (pages.size() >= kMaxPages) {
        return false;
    }
    LDialogTemplate declared = pageTemplate;
    declared.title = tabTitle;
    page.SetTemplate(declared);
    pages.push_back(&page);
    AttachPage(page);
    return true;
}

bool LTabView::DoModal(LWindow* parentWindow) {
    current = -1;
    for (LPropertyPage* page : pages) {
        page->ResetPage();
    }
    if (!pages.empty()) {
        const LDialogTemplate& first = pages.front()->Template();
        dialogTemplate.width = first.width + 2 * kPageLeft;
        dialogTemplate.height =
            kPageTop + first.height + kMarginBelowPage + kButtonGap + kButtonHeight + kButtonGap;
    }
    const bool ok = LDialog::DoModal(parentWindow);
    for (LPropertyPage* page : pages) {
        page->EvDestroy();
    }
    return ok;
}

void LTabView::DispatchCommand(int code) {
    const int command = LCommandNumber(code);
    if (command == kLTabControl) {
        SelectTab(PopupGetSelection(kLTabControl));
    } else if (command == kLCommandOK) {
        for (int index = 0; index < static_cast<int>(pages.size()); ++index) {
            if (!pages[static_cast<size_t>(index)]->EvOK()) {
                SelectTab(index);
                return;
            }
        }
        Close(kLCommandOK);
    } else if (command == kLCommandHelp && current >= 0) {
        pages[static_cast<size_t>(current)]->EvHelp();
    } else if (command == kLCommandCancel || command == kLCommandHelp) {
        LDialog::DispatchCommand(command);
    } else if (current >= 0) {
        RouteFromPage(*pages[static_cast<size_t>(current)], command);
    }
}

void LTabView::SelectTab(int index) {
    if (index < 0 || index >= static_cast<int>(pages.size())) {
        return;
    }
    LPropertyPage& page = *pages[static_cast<size_t>(index)];
    for (LPropertyPage* other : pages) {
        if (other != &page && other->IsVisible()) {
            other->Show(false);
        }
    }
    current = index;
    PopupSelect(kLTabControl, index);
    page.Show(true);
    FitToPage(page);
    page.RefreshControls();
    page.EvPageActivate();
}

void LTabView::BuildControls() {
    LControl tabs;
    tabs.id = kLTabControl;
    tabs.kind = LControlKind::TabControl;
    tabs.rect = {0, 0, dialogTemplate.width, dialogTemplate.height};
    for (const LPropertyPage* page : pages) {
        tabs.items.push_back(page->Template().title);
    }
    AddControl(std::move(tabs));
    LLayoutPushButton(*this, kLCommandHelp, {}, {18, 0, 0, 0});
    LLayoutPushButton(*this, kLCommandCancel, "Cancel", {0, 0, kButtonWidth, kButtonHeight});
    LLayoutPushButton(*this, kLCommandOK, "OK", {0, 0, kButtonWidth, kButtonHeight});
    for (LPropertyPage* page : pages) {
        page->BuildPage(kPageLeft, kPageTop);
    }
}

void LTabView::AfterShow() {
    for (LPropertyPage* page : pages) {
        page->InitDialog();
    }
    SelectTab(0);
}

void LTabView::FitToPage(const LPropertyPage& page) {
    // Everything below the tabs follows the page's height; the buttons end 18 points from the
    // right edge, as in every other dialog of the program.
    const LDialogTemplate& size = page.Template();
    const int width = size.width + 2 * kPageLeft;
    const int tabBottom = kPageTop + size.height + kMarginBelowPage;
    const int buttonTop = tabBottom + kButtonGap;
    const int height = buttonTop + kButtonHeight + kButtonGap;
    dialogTemplate.width = width;
    dialogTemplate.height = height;
    auto move = [this](int id, LRect rect) {
        if (LControl* control = Find(id); control != nullptr) {
            control->rect = rect;
            NotifyControlChanged(*control);
        }
    };
    move(kLTabControl, {0, 0, width, tabBottom});
    move(kLCommandHelp, {18, buttonTop, 20, 20});
    move(kLCommandCancel, {width - 232, buttonTop, kButtonWidth, kButtonHeight});
    move(kLCommandOK, {width - 118, buttonTop, kButtonWidth, kButtonHeight});
    SetFrame({Frame().x, Frame().y, width, height});
}
