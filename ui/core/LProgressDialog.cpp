#include "LProgressDialog.h"

#include "LMessageBox.h"
#include "LProgressLayouts.h"
#include "LProgressPercent.h"
#include "LSheet.h"

LProgressDialog::LProgressDialog(const char* windowTitle)
    : LDialog(LDialogTemplate{kLProgressWidth, kLProgressDialogHeight,
                              windowTitle != nullptr ? windowTitle : "", 0,
                              DlgGendlgLPROGRESSDIALOG}) {}

bool LProgressDialog::Run(LWindow* parentWindow) {
    if (ran) {
        return false;
    }
    ran = true;
    sheet = LShowAsSheet(parentWindow);
    if (sheet) {
        dialogTemplate.height = kLProgressSheetHeight;
        dialogTemplate.layout = DlgGendlgLPROGRESSSHEET;
    }
    if (!Open(parentWindow, sheet ? LWindowForm::Sheet : LWindowForm::Modeless)) {
        return false;
    }
    LUIHost& host = LUIHostCurrent();
    stop = 0;
    host.BeginModalState(*this);
    MainFunction();
    host.EndModalState(*this);
    Dispose();
    return true;
}

void LProgressDialog::InitDialog() {
    SetItemText(kLProgressCancel, "Cancel");
}

bool LProgressDialog::IsToStop() {
    PumpPendingEvents();
    return stop != 0;
}

LProcessResult LProgressDialog::ProcessWait(unsigned int ms) {
    return ProcessEventsWait(*this, ms);
}

LProcessResult LProgressDialog::ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) {
    return ProcessEventsWaitSignal(*this, signal, ms);
}

LProcessResult LProgressDialog::ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                             unsigned int ms) {
    return ProcessEventsWaitGroup(*this, group, ms);
}

void LProgressDialog::SetError(const char* text) {
    LMessageBoxError(this, text != nullptr ? text : "", GetTitle());
    PumpPendingEvents();
}

void LProgressDialog::SetStatus(const char* text, int line) {
    const int id = line == 0 ? kLProgressStatus0 : kLProgressStatus1;
    SetItemText(id, text != nullptr ? text : "");
    EnableItem(id, true);
    PumpPendingEvents();
}

void LProgressDialog::SetProgress(double fraction) {
    SetProgressValue(kLProgressBar, LProgressPercent(fraction));
    PumpPendingEvents();
}

void LProgressDialog::SetProgressIndeterminateOn() {
    SetProgressIndeterminate(kLProgressBar, true);
    PumpPendingEvents();
}

void LProgressDialog::SetProgressIndeterminateOff() {
    SetProgressIndeterminate(kLProgressBar, false);
    PumpPendingEvents();
}

void LProgressDialog::Close(int /*command*/) {
    EnableItem(kLProgressCancel, false);
    PumpPendingEvents();
    stop = 1;
}
