#pragma once

#include <unistd.h>

// Owns one open file descriptor and closes it when it goes, so no early return can leak it.
class LFileDescriptor {
public:
    LFileDescriptor() = default;
    explicit LFileDescriptor(int descriptor) : fd(descriptor) {}
    ~LFileDescriptor() { Reset(); }

    LFileDescriptor(LFileDescriptor&& other) noexcept : fd(other.Release()) {}
    LFileDescriptor& operator=(LFileDescriptor&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    LFileDescriptor(const LFileDescriptor&) = delete;
    LFileDescriptor& operator=(const LFileDescriptor&) = delete;

    int Get() const { return fd; }
    bool IsOpen() const { return fd >= 0; }

    // Hands the descriptor over to the caller, who closes it from now on.
    int Release() {
        int released = fd;
        fd = -1;
        return released;
    }

    // Closes what is held (unless it is the same descriptor) and takes descriptor instead.
    void Reset(int descriptor = -1) {
        if (fd >= 0 && fd != descriptor) {
            // Linux releases the descriptor even when close is interrupted: never retry.
            ::close(fd);
        }
        fd = descriptor;
    }

private:
    int fd = -1;
};
