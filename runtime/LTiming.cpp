#include "LTiming.h"

#include <sys/time.h>
#include <cerrno>
#include <climits>
#include <ctime>

unsigned int GetTickCount() {
    timeval now{};
    gettimeofday(&now, nullptr);
    return static_cast<unsigned int>(static_cast<unsigned long long>(now.tv_sec) * 1000u +
                                     static_cast<unsigned long long>(now.tv_usec) / 1000u);
}

void Sleep(unsigned int ms) {
    timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

int LPollTimeout(unsigned int ms) {
    if (ms == 0xFFFFFFFFu) {
        return -1;
    }
    return ms > static_cast<unsigned int>(INT_MAX) ? INT_MAX : static_cast<int>(ms);
}

LDeadline::LDeadline(unsigned int ms) : total(ms), start(GetTickCount()) {}

unsigned int LDeadline::Remaining() const {
    if (Forever()) {
        return total;
    }
    unsigned int elapsed = GetTickCount() - start;
    return elapsed >= total ? 0 : total - elapsed;
}
