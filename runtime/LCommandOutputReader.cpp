#include "LCommandOutputReader.h"

#include "LChildProcess.h"

#include <unistd.h>
#include <cerrno>

bool LCommandOutputReader::Open(const char* command) {
    return Open(LShellArgv(command));
}

bool LCommandOutputReader::Open(const std::vector<std::string>& argv,
                                const std::string& workingFolder) {
    Close();
    exitCode = -1;
    LChildSpec spec{argv, workingFolder};
    spec.output = LChildStream::Pipe;
    LChild child;
    if (!LChildStart(spec, child)) {
        return false;
    }
    fd = child.outputFd;
    pid = child.pid;
    return true;
}

size_t LCommandOutputReader::Read(char* buffer, size_t size) {
    if (fd < 0 || size == 0) {
        return 0;
    }
    ssize_t n;
    do {
        n = read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        Close();
        return 0;
    }
    return static_cast<size_t>(n);
}

int LCommandOutputReader::Close() {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
    if (pid > 0) {
        LChildWait(pid, exitCode);
        pid = -1;
    }
    return exitCode;
}
