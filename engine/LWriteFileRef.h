#pragma once

#include <cstddef>
#include <cstdint>

// The container being written: a descriptor the caller opened and owns (-1 when closed). Every
// write is checked, so a full disk fails the run instead of leaving a short container.
class LWriteFileRef {
public:
    LWriteFileRef() = default;
    explicit LWriteFileRef(int descriptor) : fd(descriptor) {}

    int Descriptor() const { return fd; }
    // Writes all of data; false on any error.
    bool Write(const void* data, size_t length);
    bool WriteUInt32(uint32_t value);
    bool WriteUInt64(uint64_t value);
    // The current offset, -1 on error.
    int64_t Position() const;
    bool Seek(int64_t offset);

private:
    int fd = -1;
};
