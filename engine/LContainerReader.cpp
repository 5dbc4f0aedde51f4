#include "LContainerReader.h"

#include "LContainerHeader.h"
#include "LEntryName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace {

const char kDamaged[] = "The container is damaged: ";

}  // namespace

bool LContainerReader::ReadExact(void* buffer, size_t length) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    size_t done = 0;
    while (done < length) {
        ssize_t n = read(file.Get(), bytes + done, length - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    offset += length;
    return true;
}

LContainerReadResult LContainerReader::Damaged(const std::string& text) {
    errorText = kDamaged + text;
    return LContainerReadDamaged;
}

LContainerReadResult LContainerReader::Open(const std::string& path, const char* password) {
    *this = LContainerReader();
    file.Reset(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!file.IsOpen() || fstat(file.Get(), &info) != 0) {
        return LContainerReadCannotOpen;
    }
    fileSize = static_cast<uint64_t>(info.st_size);
    LContainerReadResult result = ReadHeader(password);
    if (result == LContainerReadOK) {
        cipher = std::make_unique<LContentCipher>(algorithm, password);
    }
    return result;
}

LContainerReadResult LContainerReader::ReadHeader(const char* password) {
    unsigned char head[24];
    if (!ReadExact(head, sizeof head) || std::memcmp(head, kContainerMagic, 4) != 0 ||
        std::memcmp(head + 4, kContainerVersion, 4) != 0) {
        return LContainerReadNotAContainer;
    }
    fileCount = LGetUInt32LE(head + 8);
    algorithm = LGetUInt32LE(head + 12) == 0 ? 0 : 1;
    uint32_t checkLength = LGetUInt32LE(head + 20);
    if (checkLength != kContainerCheckLength) {
        return Damaged("its password check is " + std::to_string(checkLength) + " bytes long.");
    }
    unsigned char check[kContainerCheckLength];
    if (!ReadExact(check, sizeof check)) {
        return Damaged("it ends inside its header.");
    }
    if (!LContainerCheckMatches(check, password)) {
        errorText = "Invalid password";
        return LContainerReadWrongPassword;
    }
    return LContainerReadOK;
}

LContainerReadResult LContainerReader::ReadEntryHead(LContainerEntry& entry) {
    for (;;) {
        unsigned char head[8];
        if (!ReadExact(head, sizeof head)) {
            return offset == fileSize ? LContainerReadEnd : Damaged("it ends inside an entry.");
        }
        uint32_t type = LGetUInt32LE(head);
        uint32_t length = LGetUInt32LE(head + 4);
        if (length > kContainerMaxNameLength) {
            // Not a name any writer makes: read on from here as the next entry.
            continue;
        }
        if (type > LContainerEntryLink) {
            return Damaged("an entry has the unknown type " + std::to_string(type) + ".");
        }
        unsigned char name[LContainerPaddedNameLength(kContainerMaxNameLength)];
        uint32_t padded = LContainerPaddedNameLength(length);
        if (!ReadExact(name, padded)) {
            return Damaged("it ends inside an entry name.");
        }
        entry = LContainerEntry();
        entry.type = static_cast<LContainerEntryType>(type);
        entry.name = LEntryNameDecipher(name, padded, length);
        return LContainerReadOK;
    }
}

LContainerReadResult LContainerReader::CheckData(const LContainerEntry& entry) {
    const std::string quoted = "\"" + entry.name + "\"";
    if (entry.dataLength > fileSize - offset) {
        return Damaged("the data of " + quoted + " runs past the end of the file.");
    }
    if (entry.dataLength % kContainerBlockSize != 0) {
        return Damaged("the data of " + quoted + " is not made of whole blocks.");
    }
    if (entry.type == LContainerEntryLink && entry.dataLength > kContainerMaxLinkData) {
        return Damaged("the link " + quoted + " holds more than one block.");
    }
    return LContainerReadOK;
}

LContainerReadResult LContainerReader::Next(LContainerEntry& entry) {
    // Whatever the caller left of the previous entry's data is passed over first.
    LContainerReadResult skipped = SkipData();
    if (skipped == LContainerReadDamaged) {
        return skipped;
    }
    bool counted = filesSeen >= fileCount;
    if (counted && offset == fileSize) {
        return LContainerReadEnd;
    }
    LContainerReadResult result = ReadEntryHead(entry);
    if (result == LContainerReadEnd && !counted) {
        return Damaged("it ends before its last entry.");
    }
    if (result != LContainerReadOK || entry.type == LContainerEntryFolder) {
        // Past the counted files only whole folder entries matter; a ragged tail is ignored.
        return counted && result == LContainerReadDamaged ? LContainerReadEnd : result;
    }
    if (counted) {
        return LContainerReadEnd;
    }
    unsigned char sizes[16];
    if (!ReadExact(sizes, sizeof sizes)) {
        return Damaged("it ends inside the entry \"" + entry.name + "\".");
    }
    entry.size = LGetUInt64LE(sizes);
    entry.dataLength = LGetUInt64LE(sizes + 8);
    if ((result = CheckData(entry)) != LContainerReadOK) {
        return result;
    }
    ++filesSeen;
    dataLeft = entry.dataLength;
    contentLeft = entry.size;
    return LContainerReadOK;
}

LContainerReadResult LContainerReader::ReadBlock(unsigned char* block, uint32_t& contentBytes) {
    contentBytes = 0;
    if (dataLeft == 0) {
        return LContainerReadEnd;
    }
    if (!ReadExact(block, kContainerBlockSize)) {
        dataLeft = 0;
        return Damaged("it ends inside the data of an entry.");
    }
    dataLeft -= kContainerBlockSize;
    cipher->Decipher(block, kContainerBlockSize);
    contentBytes = static_cast<uint32_t>(std::min<uint64_t>(contentLeft, kContainerBlockSize));
    contentLeft -= contentBytes;
    return LContainerReadOK;
}

LContainerReadResult LContainerReader::SkipData() {
    if (dataLeft == 0) {
        return LContainerReadOK;
    }
    uint64_t target = offset + dataLeft;
    dataLeft = 0;
    contentLeft = 0;
    if (target > fileSize || lseek(file.Get(), static_cast<off_t>(target), SEEK_SET) < 0) {
        return Damaged("it ends inside the data of an entry.");
    }
    offset = target;
    return LContainerReadOK;
}

LContainerReadResult LContainerReader::ReadLinkTarget(std::string& target) {
    target.clear();
    unsigned char block[kContainerBlockSize];
    uint32_t contentBytes = 0;
    LContainerReadResult result = ReadBlock(block, contentBytes);
    if (result == LContainerReadOK) {
        // The target ends at its zero byte, whatever the stored size claims.
        const char* text = reinterpret_cast<const char*>(block);
        target.assign(text, strnlen(text, kContainerBlockSize));
    }
    return result == LContainerReadEnd ? LContainerReadOK : result;
}
