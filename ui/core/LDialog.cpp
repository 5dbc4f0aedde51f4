#include "LDialog.h"

#include "LPlacement.h"

bool LDialog::DoModal(LWindow* parentWindow) {
    runModally = true;
    if (!Open(parentWindow, LWindowForm::Modal)) {
        runModally = false;
        return false;
    }
    if (!ended) {
        LUIHostCurrent().RunModalLoop(*this);
    }
    Dispose();
    runModally = false;
    return endedWithOK;
}

bool LDialog::Open(LWindow* parentWindow, LWindowForm form) {
    LUIHost& host = LUIHostCurrent();
    parent = parentWindow;
    ended = false;
    endedWithOK = false;
    ClearControls();
    BuildControls();
    SetFrame(Placement());
    if (!host.CreateWindow(*this, parent, form)) {
        return false;
    }
    created = true;
    active = true;
    InitDialog();
    visible = true;
    host.ShowWindow(*this, true);
    RefreshControls();
    FocusFirstControl();
    AfterShow();
    return true;
}

void LDialog::Dispose() {
    if (!created) {
        return;
    }
    LUIHost& host = LUIHostCurrent();
    visible = false;
    active = false;
    host.ShowWindow(*this, false);
    EvDestroy();
    if (parent != nullptr && parent->IsVisible()) {
        host.BringToFront(*parent);
    }
    host.DestroyWindow(*this);
    created = false;
}

void LDialog::BuildControls() {
    if (dialogTemplate.layout != nullptr) {
        dialogTemplate.layout(*this, 0, 0, true);
    }
}

LRect LDialog::Placement() const {
    return LPlaceDialog(LUIHostCurrent().ScreenArea(nullptr), dialogTemplate.width,
                        dialogTemplate.height);
}
