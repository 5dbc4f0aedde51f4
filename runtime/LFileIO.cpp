#include "LFileIO.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>

int LFileOpenRead(const std::string& path) {
    // O_NONBLOCK only for the open itself: a FIFO without a writer must not hang us.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return fd;
}

int LFileOpenWrite(const std::string& path) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return -1;
    }
    // Emptied only once the lock is ours, so a file another process is using stays whole.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

size_t LFileRead(int fd, void* buffer, size_t size) {
    if (fd < 0) {
        return 0;
    }
    ssize_t n;
    do {
        n = read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

size_t LFileWrite(int fd, const void* data, size_t size) {
    if (fd < 0) {
        return 0;
    }
    const char* bytes = static_cast<const char*>(data);
    size_t done = 0;
    while (done < size) {
        ssize_t n = write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    return done;
}

bool LFileTruncate(int fd) {
    off_t position = lseek(fd, 0, SEEK_CUR);
    return position >= 0 && ftruncate(fd, position) == 0;
}

bool LFileWriteString(int fd, const std::string& text) {
    return LFileWrite(fd, text.data(), text.size()) == text.size();
}

bool LFileWriteLine(int fd, const std::string& text) {
    // One write, so that lines from two writers never interleave halfway.
    return LFileWriteString(fd, text + '\n');
}
