#include "LSignalObject.h"

#include "LTiming.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

void LSignalObjectRef::Set() const {
    const unsigned char one = 1;
    // A full pipe is already set; nothing more to say.
    [[maybe_unused]] ssize_t written = write(writeFd, &one, 1);
}

void LSignalObjectRef::Reset() const {
    unsigned char drain[64];
    for (;;) {
        ssize_t n = read(readFd, drain, sizeof drain);
        if (n > 0) {
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return;
    }
}

bool LSignalObjectRef::IsSet() const {
    pollfd p{readFd, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0;
}

bool LSignalObjectRef::Wait(unsigned int ms) const {
    pollfd p{readFd, POLLIN, 0};
    int n = poll(&p, 1, LPollTimeout(ms));
    if (n < 0) {
        return errno == EINTR;
    }
    return n > 0;
}

LSignalObject::LSignalObject() {
    int ends[2];
    if (pipe2(ends, O_NONBLOCK | O_CLOEXEC) == 0) {
        readFd = ends[0];
        writeFd = ends[1];
    }
}

LSignalObject::~LSignalObject() {
    if (readFd >= 0) {
        close(readFd);
    }
    if (writeFd >= 0) {
        close(writeFd);
    }
}

void LSignalObjectGroup::Add(int fd) {
    if (count >= kMaxMembers || fd < 0) {
        return;
    }
    members[static_cast<size_t>(count)] = pollfd{fd, POLLIN, 0};
    ++count;
    if (fd > highest) {
        highest = fd;
    }
}

int LSignalObjectGroup::Wait(unsigned int ms) {
    for (int i = 0; i < count; ++i) {
        members[static_cast<size_t>(i)].revents = 0;
    }
    LDeadline deadline(ms);
    for (;;) {
        int n =
            poll(members.data(), static_cast<nfds_t>(count), LPollTimeout(deadline.Remaining()));
        if (n >= 0 || errno != EINTR) {
            return n;
        }
    }
}

bool LSignalObjectGroup::IsReadable(int fd) const {
    for (int i = 0; i < count; ++i) {
        const pollfd& p = members[static_cast<size_t>(i)];
        if (p.fd == fd && (p.revents & (POLLIN | POLLHUP)) != 0) {
            return true;
        }
    }
    return false;
}
