#pragma once

#include <QTimer>

#include <map>
#include <memory>
#include <utility>

class LWindow;

// One-shot timers on the Qt event loop that call a window's EvTimer with their id.
class LQtTimers {
public:
    // Starts the timer, or starts it again when it is pending.
    void Set(LWindow& window, int id, unsigned int ms);
    void Kill(LWindow& window, int id);
    // Removes the timers of window and of its pages.
    void KillAll(const LWindow& window);
    bool IsPending(const LWindow& window, int id) const;

private:
    void Fire(LWindow* window, int id);

    std::map<std::pair<LWindow*, int>, std::unique_ptr<QTimer>> timers;
};
