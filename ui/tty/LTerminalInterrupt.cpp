#include "LTerminalInterrupt.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace {

// The pipe is the record of an interrupt: the handler writes a byte, Take drains them. The
// outermost scope makes it before installing the handler and closes it after removing it, so
// nothing from an earlier scope (or a parent process) is ever read as a new interrupt.
int wakePipe[2] = {-1, -1};
// Set once the byte is written, so Take can tell without a system call that nothing is
// pending: runs ask on every progress report. A Ctrl-C while one is still untaken means nothing
// is listening (no run, no prompt) and the user still wants out: it ends the program as Ctrl-C
// always does.
volatile sig_atomic_t untaken = 0;

extern "C" void OnInterrupt(int number) {
    if (untaken != 0) {
        signal(number, SIG_DFL);
        raise(number);
        return;
    }
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t written = write(wakePipe[1], &byte, 1);
    untaken = 1;
    errno = saved;
}

}  // namespace

int LTerminalInterrupt::depth = 0;
struct sigaction LTerminalInterrupt::previous {};

LTerminalInterrupt::LTerminalInterrupt() {
    if (depth++ > 0) {
        return;
    }
    untaken = 0;
    if (pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        wakePipe[0] = wakePipe[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking read at a prompt returns, so the prompt sees the interrupt.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, &previous);
}

LTerminalInterrupt::~LTerminalInterrupt() {
    if (--depth > 0) {
        return;
    }
    sigaction(SIGINT, &previous, nullptr);
    for (int& end : wakePipe) {
        if (end >= 0) {
            close(end);
            end = -1;
        }
    }
}

bool LTerminalInterrupt::Take() {
    if (untaken == 0) {
        return false;
    }
    untaken = 0;
    bool taken = false;
    char drain[64];
    while (wakePipe[0] >= 0 && read(wakePipe[0], drain, sizeof drain) > 0) {
        taken = true;
    }
    return taken;
}

int LTerminalInterrupt::WakeFd() {
    return wakePipe[0];
}
