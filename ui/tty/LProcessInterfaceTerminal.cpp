#include "LProcessInterfaceTerminal.h"

#include "LTiming.h"

bool LProcessInterfaceTerminal::IsToStop() {
    if (LTerminalInterrupt::Take()) {
        stop = true;
    }
    return stop;
}

LProcessResult LProcessInterfaceTerminal::ProcessWait(unsigned int ms) {
    LDeadline deadline(ms);
    while (!IsToStop()) {
        const unsigned int left = deadline.Remaining();
        if (left == 0) {
            return LProcessResultSuccess;
        }
        LSignalObjectGroup interrupted;
        interrupted.Add(LTerminalInterrupt::WakeFd());
        interrupted.Wait(left);
    }
    return LProcessResultStopped;
}

LProcessResult LProcessInterfaceTerminal::ProcessWaitSignal(LSignalObjectRef signal,
                                                            unsigned int ms) {
    LSignalObjectGroup group;
    group.Add(signal);
    return ProcessWaitSignalObjectGroup(group, ms);
}

LProcessResult LProcessInterfaceTerminal::ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                                       unsigned int ms) {
    group.Add(LTerminalInterrupt::WakeFd());
    LDeadline deadline(ms);
    for (;;) {
        if (IsToStop()) {
            return LProcessResultStopped;
        }
        const int ready = group.Wait(deadline.Remaining());
        if (ready <= 0) {
            return LProcessResultFailed;
        }
        // Readiness of the interrupt alone is the stop, seen at the top of the loop.
        if (ready > 1 || !group.IsReadable(LTerminalInterrupt::WakeFd())) {
            return IsToStop() ? LProcessResultStopped : LProcessResultSuccess;
        }
    }
}
