#pragma once

#include "LProcessInterface.h"

#include <atomic>
#include <mutex>
#include <thread>

// Runs ThreadMain() on a worker thread while the main thread keeps its window alive. The work
// sees this object as its process interface: it is asked to stop through the stop signal, and
// its status and progress reports are dropped (nothing crosses to the window).
//
// A subclass must call Stop() in its own destructor: by the time this destructor runs, the
// subclass's ThreadMain() may no longer be called.
class LProcessThread : public LProcessInterface {
public:
    LProcessThread() = default;
    ~LProcessThread() override { Stop(); }
    LProcessThread(const LProcessThread&) = delete;
    LProcessThread& operator=(const LProcessThread&) = delete;

    // Starts the worker unless it is already running; a finished one is joined first. Returns
    // once the worker has begun. False when the thread could not be created.
    bool Start(int priority);
    // Asks the worker to stop, waits until it has finished and joins it.
    void Stop();

    bool IsRunning() const { return running.load() != 0; }
    int ThreadId() const { return threadId.load(); }
    int Priority() const { return priority; }

    bool IsToStop() override { return stopSignal.IsSet(); }
    LProcessResult ProcessWait(unsigned int ms) override;
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override;
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup& group,
                                                unsigned int ms) override;

protected:
    virtual void ThreadMain() = 0;

private:
    void Worker();

    std::thread thread;
    std::atomic<int> threadId{-1};
    int priority = 0;
    std::atomic<int> running{0};
    LSignalObject stopSignal;
    LSignalObject finishedSignal;
    LSignalObject startedSignal;
    std::recursive_mutex lock;
};
