#include "LWriteFileRef.h"

#include "LContainerFormat.h"

#include <unistd.h>
#include <cerrno>

bool LWriteFileRef::Write(const void* data, size_t length) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (length > 0) {
        ssize_t n = write(fd, bytes, length);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool LWriteFileRef::WriteUInt32(uint32_t value) {
    unsigned char bytes[4];
    LPutUInt32LE(bytes, value);
    return Write(bytes, sizeof bytes);
}

bool LWriteFileRef::WriteUInt64(uint64_t value) {
    unsigned char bytes[8];
    LPutUInt64LE(bytes, value);
    return Write(bytes, sizeof bytes);
}

int64_t LWriteFileRef::Position() const {
    return lseek(fd, 0, SEEK_CUR);
}

bool LWriteFileRef::Seek(int64_t offset) {
    return lseek(fd, offset, SEEK_SET) == offset;
}
