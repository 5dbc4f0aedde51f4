#include "LWizardProcessBase.h"

#include "LMessageBox.h"
#include "LProgressPercent.h"

void LWizardProcessBase::InitDialog() {
    for (int id : {kLWizardProcessStatus0, kLWizardProcessStatus1}) {
        SetItemText(id, {});
        EnableItem(id, false);
    }
}

void LWizardProcessBase::EvDestroy() {
    timers.RemoveAll();
}

void LWizardProcessBase::EvPageActivate() {
    stop = false;
    timers.Set(kRunTimer, 0);
}

void LWizardProcessBase::EvPageDeactivate() {
    stop = true;
}

bool LWizardProcessBase::EvCancel() {
    stop = true;
    return true;
}

void LWizardProcessBase::EvTimer(int id) {
    if (timers.Fired(id) && id == kRunTimer) {
        MainFunction();
    }
}

bool LWizardProcessBase::IsToStop() {
    PumpPendingEvents();
    return stop;
}

LProcessResult LWizardProcessBase::ProcessWait(unsigned int ms) {
    return ProcessEventsWait(*this, ms);
}

LProcessResult LWizardProcessBase::ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) {
    return ProcessEventsWaitSignal(*this, signal, ms);
}

LProcessResult LWizardProcessBase::ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                                unsigned int ms) {
    return ProcessEventsWaitGroup(*this, group, ms);
}

void LWizardProcessBase::SetError(const char* text) {
    LMessageBoxError(this, text != nullptr ? text : "", "Zel");
    PumpPendingEvents();
}

void LWizardProcessBase::SetStatus(const char* text, int line) {
    if (line == 0 || line == 1) {
        const int id = line == 0 ? kLWizardProcessStatus0 : kLWizardProcessStatus1;
        SetItemText(id, text != nullptr ? text : "");
        EnableItem(id, true);
    }
    PumpPendingEvents();
}

void LWizardProcessBase::SetProgress(double fraction) {
    SetProgressValue(kLWizardProcessBar, LProgressPercent(fraction));
    PumpPendingEvents();
}

void LWizardProcessBase::SetProgressIndeterminateOn() {
    SetProgressIndeterminate(kLWizardProcessBar, true);
    PumpPendingEvents();
}

void LWizardProcessBase::SetProgressIndeterminateOff() {
    SetProgressIndeterminate(kLWizardProcessBar, false);
    PumpPendingEvents();
}
