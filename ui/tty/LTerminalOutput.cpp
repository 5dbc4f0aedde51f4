#include "LTerminalOutput.h"

#include <unistd.h>
#include <cerrno>

void LTerminalWriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (fd >= 0 && done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        done += static_cast<size_t>(n);
    }
}

void LTerminalSayOnStderr(const std::string& text) {
    LTerminalWriteAll(STDERR_FILENO, "zel: " + text + "\n");
}
