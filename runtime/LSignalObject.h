#pragma once

#include <poll.h>
#include <array>

// The two ends of a signal's pipe, copied by value: what the waits take, without ownership.
class LSignalObjectRef {
public:
    LSignalObjectRef() = default;
    LSignalObjectRef(int readEnd, int writeEnd) : readFd(readEnd), writeFd(writeEnd) {}

    void Set() const;
    void Reset() const;
    bool IsSet() const;
    // Waits until the signal is set or ms have passed; 0xFFFFFFFF waits for ever. A wait cut
    // short by a system signal counts as seen, so the caller looks again.
    bool Wait(unsigned int ms) const;

    int ReadFd() const { return readFd; }
    int WriteFd() const { return writeFd; }

protected:
    int readFd = -1;
    int writeFd = -1;
};

// A latch made of a pipe: any thread sets it by writing a byte, any thread waits for the read
// end to become readable, alone or with other descriptors.
class LSignalObject : public LSignalObjectRef {
public:
    LSignalObject();
    ~LSignalObject();
    LSignalObject(const LSignalObject&) = delete;
    LSignalObject& operator=(const LSignalObject&) = delete;

    LSignalObjectRef Ref() const { return *this; }
};

// Descriptors waited on together for readability. poll() rather than select() keeps
// descriptors above 1023 safe, since the program raises its open-file limit.
class LSignalObjectGroup {
public:
    static constexpr int kMaxMembers = 255;

    // Ignored once the group is full.
    void Add(int fd);
    void Add(LSignalObjectRef signal) { Add(signal.ReadFd()); }
    // One wait on every member (resumed after system signals); returns how many are
    // readable, 0 on time-out, -1 on error.
    int Wait(unsigned int ms);
    // Whether fd was readable at the end of the last Wait.
    bool IsReadable(int fd) const;

    int Count() const { return count; }
    int Highest() const { return highest; }

private:
    std::array<pollfd, kMaxMembers> members{};
    int count = 0;
    int highest = -1;
};
