#pragma once

#include <csignal>

// Ctrl-C as a request instead of a kill: while one of these lives, SIGINT only marks an
// interrupt as pending and makes WakeFd() readable, so a run can clean up and return Stopped
// and a prompt can put the terminal back as it was. Scopes nest; the last one to go puts the
// previous handler back.
class LTerminalInterrupt {
public:
    LTerminalInterrupt();
    ~LTerminalInterrupt();
    LTerminalInterrupt(const LTerminalInterrupt&) = delete;
    LTerminalInterrupt& operator=(const LTerminalInterrupt&) = delete;

    // Whether a Ctrl-C came since the last Take; it is forgotten.
    static bool Take();
    // Readable while an interrupt is pending; -1 outside every scope.
    static int WakeFd();

private:
    static int depth;
    static struct sigaction previous;
};
