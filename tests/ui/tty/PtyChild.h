#pragma once

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

// Runs body in a child process whose controlling terminal is a new pseudo-terminal (stdin,
// stdout and stderr included), so /dev/tty and Ctrl-C work as for a person at a terminal. The
// test plays that person on the other side: it waits for what the child shows and types.
class PtyChild {
public:
    explicit PtyChild(const std::function<int()>& body) {
        pid = forkpty(&master, nullptr, nullptr, nullptr);
        if (pid == 0) {
            _exit(body());
        }
    }
    ~PtyChild() {
        if (pid > 0 && !reaped) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (master >= 0) {
            close(master);
        }
    }
    PtyChild(const PtyChild&) = delete;
    PtyChild& operator=(const PtyChild&) = delete;

    bool Started() const { return pid > 0; }

    // Waits until text appears after what earlier waits found, and moves past it.
    bool WaitFor(const std::string& text, int ms = 10000) {
        for (int waited = 0;; waited += 20) {
            if (const size_t at = output.find(text, cursor); at != std::string::npos) {
                cursor = at + text.size();
                return true;
            }
            if (waited >= ms || !ReadSome(20)) {
                return false;
            }
        }
    }

    void Type(const std::string& text) {
        [[maybe_unused]] ssize_t written = write(master, text.data(), text.size());
    }

    // Everything the child showed since the last wait that found something.
    std::string Rest() const { return output.substr(cursor); }
    const std::string& Output() const { return output; }

    // Reads what is left and returns the child's exit status; -1 when it did not exit by
    // itself within ms.
    int Finish(int ms = 10000) {
        for (int waited = 0; waited < ms && ReadSome(50); waited += 50) {
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        reaped = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    // Reads for at most ms; false once the child's side is closed.
    bool ReadSome(int ms) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0) {
            return true;
        }
        char buffer[512];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0) {
            return n < 0 && errno == EINTR;
        }
        output.append(buffer, static_cast<size_t>(n));
        return true;
    }

    int master = -1;
    pid_t pid = -1;
    bool reaped = false;
    std::string output;
    size_t cursor = 0;
};

// What the child reports, on its standard output.
inline void ChildReport(const std::string& text) {
    const std::string line = text + "\n";
    [[maybe_unused]] ssize_t written = write(STDOUT_FILENO, line.data(), line.size());
}
