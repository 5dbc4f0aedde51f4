#include "LEventLoopTimers.h"

#include "LUIHost.h"

namespace {

constexpr unsigned int kShortestMs = 10;

}  // namespace

void LEventLoopTimers::Set(int id, unsigned int ms) {
    if (id < 0) {
        return;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    LUIHostCurrent().SetTimer(window, id, ms == 0 ? kShortestMs : ms);
    pending.insert(id);
}

void LEventLoopTimers::Remove(int id) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (pending.erase(id) != 0) {
        LUIHostCurrent().KillTimer(window, id);
    }
}

void LEventLoopTimers::RemoveAll() {
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (int id : pending) {
        LUIHostCurrent().KillTimer(window, id);
    }
    pending.clear();
}

bool LEventLoopTimers::Fired(int id) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    return pending.erase(id) != 0;
}

bool LEventLoopTimers::IsPending(int id) const {
    std::lock_guard<std::recursive_mutex> guard(lock);
    return pending.count(id) != 0;
}
