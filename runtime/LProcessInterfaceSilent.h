#pragma once

#include "LProcessInterface.h"

// Runs a process with nobody watching: never stops, blocks in its waits, and drops every
// status, progress and error report. The command interface uses it for runs without a window.
class LProcessInterfaceSilent : public LProcessInterface {
public:
    bool IsToStop() override { return false; }
    LProcessResult ProcessWait(unsigned int ms) override;
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override;
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                unsigned int ms) override;
};
