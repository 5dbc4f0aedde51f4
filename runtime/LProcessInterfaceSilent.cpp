#include "LProcessInterfaceSilent.h"

#include "LTiming.h"

LProcessResult LProcessInterfaceSilent::ProcessWait(unsigned int ms) {
    Sleep(ms);
    return LProcessResultSuccess;
}

LProcessResult LProcessInterfaceSilent::ProcessWaitSignal(LSignalObjectRef signal,
                                                          unsigned int ms) {
    LDeadline deadline(ms);
    for (;;) {
        if (signal.IsSet()) {
            return LProcessResultSuccess;
        }
        unsigned int left = deadline.Remaining();
        if (left == 0) {
            return LProcessResultFailed;
        }
        signal.Wait(left);
    }
}

LProcessResult LProcessInterfaceSilent::ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                                     unsigned int ms) {
    return group.Wait(ms) > 0 ? LProcessResultSuccess : LProcessResultFailed;
}
