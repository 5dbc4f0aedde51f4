#include "LDialog.h"

#include "LPlacement.h"
#include "LUIHost.h"

bool LDialog::DoModal(LWindow* parentWindow) {
    LUIHost& host = LUIHostCurrent();
    parent = parentWindow;
    ended = false;
    endedWithOK = false;
    runModally = true;
    ClearControls();
    BuildControls();
    SetFrame(Placement());
    if (!host.CreateWindow(*this, parent, LWindowForm::Modal)) {
        runModally = false;
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
    if (!ended) {
        host.RunModalLoop(*this);
    }
    visible = false;
    active = false;
    host.ShowWindow(*this, false);
    EvDestroy();
    if (parent != nullptr && parent->IsVisible()) {
        host.BringToFront(*parent);
    }
    host.DestroyWindow(*this);
    created = false;
    runModally = false;
    return endedWithOK;
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
