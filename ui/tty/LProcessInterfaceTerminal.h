#pragma once

#include "LProcessInterface.h"
#include "LTerminalInterrupt.h"

// Runs a process with no window in terminal mode: like the silent interface it shows nothing
// and blocks in its waits, but Ctrl-C is a stop request, which it reports from then on, and
// which ends its waits with Stopped.
class LProcessInterfaceTerminal : public LProcessInterface {
public:
    bool IsToStop() override;
    LProcessResult ProcessWait(unsigned int ms) override;
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override;
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                unsigned int ms) override;

private:
    LTerminalInterrupt interrupt;
    bool stop = false;
};
