#include "LProgressEventPump.h"

#include "LTiming.h"
#include "LUIHost.h"

#include <cstdint>

namespace {

constexpr unsigned int kForever = 0xFFFFFFFFu;
// The slice of a wait that has no deadline.
constexpr unsigned int kSliceMs = 10;

// Milliseconds left of a wait of ms that began at start; 64-bit, since ms may be 49 days.
int64_t Remaining(unsigned int start, unsigned int ms) {
    const unsigned int elapsed = GetTickCount() - start;
    return static_cast<int64_t>(ms) - static_cast<int64_t>(elapsed);
}

}  // namespace

bool PumpPendingEvents() {
    return LUIHostCurrent().PumpEvents();
}

LProcessResult ProcessEventsWait(const LProcessEventsHandler& handler, unsigned int ms) {
    LUIHost& host = LUIHostCurrent();
    const unsigned int start = GetTickCount();
    for (;;) {
        if (handler.IsProcessEventHandlerToStop()) {
            return LProcessResultStopped;
        }
        unsigned int slice = kSliceMs;
        if (ms != kForever) {
            const int64_t left = Remaining(start, ms);
            if (left < 1) {
                return LProcessResultSuccess;
            }
            slice = static_cast<unsigned int>(left);
        }
        // A loop that is ending delivers nothing more: waiting on would never end.
        if (host.WaitForEvent(slice, -1) == LUIWaitResult::Quitting) {
            return LProcessResultStopped;
        }
    }
}

LProcessResult ProcessEventsWaitSignal(const LProcessEventsHandler& handler,
                                       LSignalObjectRef signal, unsigned int ms) {
    LUIHost& host = LUIHostCurrent();
    const unsigned int start = GetTickCount();
    LProcessResult result = LProcessResultFailed;
    for (;;) {
        const int64_t left = Remaining(start, ms);
        if (left <= 0) {
            break;
        }
        if (signal.IsSet()) {
            result = LProcessResultSuccess;
            break;
        }
        if (handler.IsProcessEventHandlerToStop()) {
            result = LProcessResultStopped;
            break;
        }
        const unsigned int wait =
            left >= static_cast<int64_t>(kForever) ? kForever - 1 : static_cast<unsigned int>(left);
        if (host.WaitForEvent(wait, signal.ReadFd()) == LUIWaitResult::Quitting) {
            break;
        }
    }
    PumpPendingEvents();
    return result;
}

LProcessResult ProcessEventsWaitGroup(const LProcessEventsHandler& handler,
                                      LSignalObjectGroup& group, unsigned int ms) {
    if (group.Wait(ms) <= 0) {
        return LProcessResultFailed;
    }
    return handler.IsProcessEventHandlerToStop() ? LProcessResultStopped : LProcessResultSuccess;
}
