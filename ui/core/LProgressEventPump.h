#pragma once

#include "LProcessResult.h"
#include "LSignalObject.h"

// Whoever runs a process on the main thread and can be asked to stop: a progress window or a wizard
// page. The waits below keep the user interface alive and end when it says stop.
class LProcessEventsHandler {
public:
    virtual bool IsProcessEventHandlerToStop() const = 0;

protected:
    ~LProcessEventsHandler() = default;
};

// Lets pending user-interface events run, a few at a time, so that a process reporting per buffer
// costs only a queue check when nothing is pending. True when anything ran.
bool PumpPendingEvents();

// Waits ms milliseconds while dispatching events: Success when the time has passed, Stopped as soon
// as handler says stop. 0xFFFFFFFF waits until a stop.
LProcessResult ProcessEventsWait(const LProcessEventsHandler& handler, unsigned int ms);

// Waits for signal while dispatching events: Success when it is set, Stopped when handler says
// stop, Failed when ms passed (checked first, so 0 ms always fails) or the event loop is quitting.
LProcessResult ProcessEventsWaitSignal(const LProcessEventsHandler& handler,
                                       LSignalObjectRef signal, unsigned int ms);

// Waits on the group's descriptors without dispatching events: Stopped when one is ready and
// handler says stop, Success when one is ready, Failed on time-out.
LProcessResult ProcessEventsWaitGroup(const LProcessEventsHandler& handler,
                                      LSignalObjectGroup& group, unsigned int ms);
