#pragma once

#include "LEventLoopTimers.h"
#include "LPage.h"
#include "LProcessInterface.h"
#include "LProgressEventPump.h"

// Controls a page that runs a process in place must hold.
constexpr int kLWizardProcessStatus0 = 9600;
constexpr int kLWizardProcessStatus1 = 9601;
constexpr int kLWizardProcessBar = 9602;

// A wizard page that shows a run in place instead of opening a window. When the page becomes
// current, a timer (id 100) starts the run from the event loop, so the page is drawn first. Cancel,
// Back and Next ask the run to stop.
class LWizardProcessBase : public LWizardPage,
                           public LProcessInterface,
                           public LProcessEventsHandler {
public:
    static constexpr int kRunTimer = 100;

    using LWizardPage::LWizardPage;

    // Subclasses that set up more call these first.
    void InitDialog() override;
    void EvDestroy() override;
    void EvPageActivate() override;
    void EvPageDeactivate() override;
    bool EvCancel() override;
    void EvTimer(int id) override;

    bool IsToStop() override;
    LProcessResult ProcessWait(unsigned int ms) override;
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override;
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                unsigned int ms) override;
    // A box with one OK button and the caption "Zel".
    void SetError(const char* text) override;
    // Line 0 and line 1; other lines are not shown.
    void SetStatus(const char* text, int line) override;
    void SetProgress(double fraction) override;
    void SetProgressIndeterminateOn() override;
    void SetProgressIndeterminateOff() override;

    bool IsProcessEventHandlerToStop() const override { return stop; }

protected:
    // Runs the process against this page.
    virtual void MainFunction() = 0;

    LEventLoopTimers& Timers() { return timers; }

private:
    bool stop = false;
    LEventLoopTimers timers{*this};
};
