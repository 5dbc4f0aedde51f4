#include "LProcessThread.h"

#include <unistd.h>
#include <system_error>

bool LProcessThread::Start(int newPriority) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (thread.joinable()) {
        if (running.load() != 0) {
            return true;
        }
        thread.join();
        threadId = -1;
    }
    stopSignal.Reset();
    finishedSignal.Reset();
    startedSignal.Reset();
    priority = newPriority;
    running = 1;
    try {
        thread = std::thread(&LProcessThread::Worker, this);
    } catch (const std::system_error&) {
        running = 0;
        return false;
    }
    ProcessWaitSignal(startedSignal.Ref(), 0xFFFFFFFFu);
    return true;
}

void LProcessThread::Stop() {
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (!thread.joinable()) {
        return;
    }
    stopSignal.Set();
    while (!finishedSignal.IsSet()) {
        finishedSignal.Wait(0xFFFFFFFFu);
    }
    thread.join();
    threadId = -1;
}

void LProcessThread::Worker() {
    threadId = static_cast<int>(gettid());
    // The priority is kept for the caller to see but never applied: workers run at normal
    // priority, and no real-time scheduling is ever requested.
    startedSignal.Set();
    ThreadMain();
    threadId = -1;
    running = 0;
    finishedSignal.Set();
}

LProcessResult LProcessThread::ProcessWait(unsigned int ms) {
    LSignalObjectGroup group;
    group.Add(stopSignal.Ref());
    group.Add(finishedSignal.Ref());
    return group.Wait(ms) > 0 ? LProcessResultStopped : LProcessResultSuccess;
}

LProcessResult LProcessThread::ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) {
    LSignalObjectGroup group;
    group.Add(signal);
    return ProcessWaitSignalObjectGroup(group, ms);
}

LProcessResult LProcessThread::ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                            unsigned int ms) {
    group.Add(stopSignal.Ref());
    if (group.Wait(ms) <= 0) {
        return LProcessResultFailed;
    }
    return stopSignal.IsSet() ? LProcessResultStopped : LProcessResultSuccess;
}
