#pragma once

#include "LDialog.h"
#include "LProcessInterface.h"
#include "LProgressEventPump.h"

// Runs a process on the main thread under a progress window: two status lines, a bar and Cancel.
// The process keeps the window alive through its reports and stop queries, each of which lets
// pending events run, so Cancel is an ordinary button handler that sets stop.
class LProgressDialog : public LProcessInterface, public LDialog, public LProcessEventsHandler {
public:
    // title is the window title and the caption of error boxes.
    explicit LProgressDialog(const char* title);

    // Shows the window (a sheet on parent when parent can take one, else free-standing), calls
    // MainFunction under an application-modal state and disposes of the window. False, with nothing
    // run, when the window cannot be made or this object has run before.
    bool Run(LWindow* parent);

    bool IsToStop() override;
    LProcessResult ProcessWait(unsigned int ms) override;
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override;
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                unsigned int ms) override;
    // A stop-icon box with the window title as caption; returns once it is dismissed.
    void SetError(const char* text) override;
    void SetStatus(const char* text, int line) override;
    // Whole percent, truncated: 0.999 shows 99.
    void SetProgress(double fraction) override;
    void SetProgressIndeterminateOn() override;
    void SetProgressIndeterminateOff() override;

    // Cancel and the window's close request: Cancel greys out (a second press does nothing),
    // pending events run and stop is set. The window stays until the process returns.
    void Close(int command) override;
    bool IsProcessEventHandlerToStop() const override { return stop != 0; }

    bool IsSheet() const { return sheet; }

    void InitDialog() override;

protected:
    // Runs the process; true once it has returned.
    virtual bool MainFunction() = 0;

private:
    bool sheet = false;
    int stop = 0;
    bool ran = false;
};
