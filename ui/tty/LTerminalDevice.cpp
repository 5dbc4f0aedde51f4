#include "LTerminalDevice.h"

#include "LTerminalInterrupt.h"
#include "LTerminalOutput.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <optional>

namespace {

// Turns the echo off for its lifetime (the line break still shows, so the cursor moves on),
// and puts the settings back however the read ends.
class EchoOff {
public:
    explicit EchoOff(int terminal) : fd(terminal) {
        if (tcgetattr(fd, &saved) != 0) {
            return;
        }
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~(ECHO | ECHOE | ECHOK));
        quiet.c_lflag |= ECHONL;
        active = tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (active) {
            tcsetattr(fd, TCSANOW, &saved);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd;
    termios saved{};
    bool active = false;
};

}  // namespace

LTerminalDevice::LTerminalDevice() : fd(open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}

void LTerminalDevice::Write(const std::string& text) const {
    LTerminalWriteAll(fd.Get(), text);
}

LTerminalReadResult LTerminalDevice::ReadLine(const std::string& prompt, std::string& line,
                                              bool echo) const {
    line.clear();
    if (!IsOpen()) {
        return LTerminalReadResult::EndOfInput;
    }
    LTerminalReadResult result;
    {
        std::optional<EchoOff> quiet;
        if (!echo) {
            quiet.emplace(fd.Get());
        }
        Write(prompt);
        result = ReadUntilLineBreak(line);
    }
    if (result == LTerminalReadResult::Interrupted) {
        // The next text starts on a line of its own, after the "^C" the terminal showed.
        Write("\n");
    }
    return result;
}

LTerminalReadResult LTerminalDevice::ReadUntilLineBreak(std::string& line) const {
    pollfd watched[2] = {{fd.Get(), POLLIN, 0}, {LTerminalInterrupt::WakeFd(), POLLIN, 0}};
    for (;;) {
        if (LTerminalInterrupt::Take()) {
            return LTerminalReadResult::Interrupted;
        }
        if (poll(watched, watched[1].fd >= 0 ? 2 : 1, -1) < 0 && errno != EINTR) {
            return LTerminalReadResult::EndOfInput;
        }
        if ((watched[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        char buffer[256];
        const ssize_t n = read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (n <= 0) {
            return line.empty() ? LTerminalReadResult::EndOfInput : LTerminalReadResult::Line;
        }
        line.append(buffer, static_cast<size_t>(n));
        if (const size_t end = line.find('\n'); end != std::string::npos) {
            line.erase(end);
            return LTerminalReadResult::Line;
        }
    }
}
