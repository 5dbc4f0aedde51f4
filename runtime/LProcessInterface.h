#pragma once

#include "LProcessResult.h"
#include "LSignalObject.h"

// Everything a long operation may say to, or ask of, whoever runs it. The first four operations
// are the runner's business; the rest default to doing nothing.
class LProcessInterface {
public:
    virtual bool IsToStop() = 0;
    virtual LProcessResult ProcessWait(unsigned int ms) = 0;
    virtual LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) = 0;
    virtual LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                        unsigned int ms) = 0;
    virtual void SetError(const char* /*text*/) {}
    virtual void SetStatus(const char* /*text*/, int /*line*/) {}
    virtual void SetProgress(double /*fraction*/) {}
    virtual void SetProgressIndeterminateOn() {}
    virtual void SetProgressIndeterminateOff() {}
    virtual ~LProcessInterface() = default;
};
