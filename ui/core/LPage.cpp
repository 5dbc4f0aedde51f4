#include "LPage.h"

void LPage::BuildPage(int x, int y) {
    if (built) {
        return;
    }
    built = true;
    origin = {x, y, 0, 0};
    if (dialogTemplate.layout != nullptr) {
        dialogTemplate.layout(*this, x, y, false);
    }
}

void LPage::ResetPage() {
    ClearControls();
    built = false;
    visible = false;
}
