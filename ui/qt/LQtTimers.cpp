#include "LQtTimers.h"

#include "LWindow.h"

#include <algorithm>

namespace {

// The window that holds a page, or the window itself.
const LWindow* TopOf(const LWindow* window) {
    while (window->Container() != nullptr) {
        window = window->Container();
    }
    return window;
}

}  // namespace

void LQtTimers::Set(LWindow& window, int id, unsigned int ms) {
    std::unique_ptr<QTimer>& timer = timers[{&window, id}];
    if (timer == nullptr) {
        timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        QObject::connect(timer.get(), &QTimer::timeout,
                         [this, target = &window, id] { Fire(target, id); });
    }
    timer->start(static_cast<int>(std::min(ms, 0x7FFFFFFFu)));
}

void LQtTimers::Kill(LWindow& window, int id) {
    timers.erase({&window, id});
}

void LQtTimers::KillAll(const LWindow& window) {
    std::erase_if(timers,
                  [&window](const auto& timer) { return TopOf(timer.first.first) == &window; });
}

bool LQtTimers::IsPending(const LWindow& window, int id) const {
    return timers.count({const_cast<LWindow*>(&window), id}) != 0;
}

void LQtTimers::Fire(LWindow* window, int id) {
    auto found = timers.find({window, id});
    if (found == timers.end()) {
        return;
    }
    // One-shot: gone before the handler runs, so the handler may set it again. The timer object is
    // inside its own signal, so it goes later.
    found->second.release()->deleteLater();
    timers.erase(found);
    window->EvTimer(id);
}
