#include "LProgressLayouts.h"

#include "LCommand.h"
#include "LLayout.h"
#include "LWindow.h"

namespace {

// Both forms hold the same controls; the free-standing one leaves room for its title bar.
void Layout(LWindow& window, int x, int y) {
    const int inner = kLProgressWidth - 40;
    LLayoutStaticText(window, kLProgressStatus0, {}, LTextAlignment::Left,
                      {x + 20, y + 16, inner, 18});
    LLayoutStaticText(window, kLProgressStatus1, {}, LTextAlignment::Left,
                      {x + 20, y + 38, inner, 18})
        .font = LFontStyle::Small;
    LLayoutProgressBar(window, kLProgressBar, x + 20, y + 62, inner);
    LControl& cancel = LLayoutPushButton(window, kLProgressCancel, {},
                                         {x + kLProgressWidth - 120, y + 86, 100, 20});
    cancel.command = kLCommandCancel;
    cancel.isCancel = true;
}

}  // namespace

void DlgGendlgLPROGRESSSHEET(LWindow& window, int x, int y, bool /*standardButtons*/) {
    Layout(window, x, y);
}

void DlgGendlgLPROGRESSDIALOG(LWindow& window, int x, int y, bool /*standardButtons*/) {
    Layout(window, x, y + 10);
}
