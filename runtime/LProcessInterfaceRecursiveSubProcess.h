#pragma once

#include "LProcessInterface.h"

// Lets a process run a nested process whose progress fills the part [offset, offset + scale]
// of its own bar. Everything else passes straight to the parent.
class LProcessInterfaceRecursiveSubProcess : public LProcessInterface {
public:
    LProcessInterfaceRecursiveSubProcess(LProcessInterface& outer, double start, double share)
        : parent(outer), offset(start), scale(share) {}

    bool IsToStop() override { return parent.IsToStop(); }
    LProcessResult ProcessWait(unsigned int ms) override { return parent.ProcessWait(ms); }
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override {
        return parent.ProcessWaitSignal(signal, ms);
    }
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                unsigned int ms) override {
        return parent.ProcessWaitSignalObjectGroup(group, ms);
    }
    void SetError(const char* text) override { parent.SetError(text); }
    void SetStatus(const char* text, int line) override { parent.SetStatus(text, line); }
    void SetProgress(double fraction) override { parent.SetProgress(fraction * scale + offset); }
    // The outer bar keeps measuring: a nested run does not switch it to busy.
    void SetProgressIndeterminateOn() override {}
    void SetProgressIndeterminateOff() override {}

private:
    LProcessInterface& parent;
    double offset;
    double scale;
};
