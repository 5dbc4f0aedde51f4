#pragma once

#include <mutex>
#include <set>

class LWindow;

// The one-shot event-loop timers of one window, by id. The host fires them by calling the window's
// EvTimer; the window asks Fired first, so a timer that is no longer in the table (removed, or
// already fired) is ignored.
class LEventLoopTimers {
public:
    explicit LEventLoopTimers(LWindow& owner) : window(owner) {}
    ~LEventLoopTimers() { RemoveAll(); }
    LEventLoopTimers(const LEventLoopTimers&) = delete;
    LEventLoopTimers& operator=(const LEventLoopTimers&) = delete;

    // Fires id after ms (0 is taken as 10), rescheduling a pending one. Negative ids are ignored.
    void Set(int id, unsigned int ms);
    void Remove(int id);
    void RemoveAll();
    // Whether id was pending; it is not any more.
    bool Fired(int id);
    bool IsPending(int id) const;

private:
    LWindow& window;
    std::set<int> pending;
    mutable std::recursive_mutex lock;
};
