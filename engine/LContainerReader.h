#pragma once

#include "LContainerFormat.h"
#include "LContentCipher.h"
#include "LFileDescriptor.h"

#include <cstdint>
#include <memory>
#include <string>

// One entry as the container describes it.
struct LContainerEntry {
    LContainerEntryType type = LContainerEntryFile;
    std::string name;         // as stored, cut to its length
    uint64_t size = 0;        // file and link entries: the content's length
    uint64_t dataLength = 0;  // file and link entries: enciphered bytes that follow

    // A size beyond the data: the file could not be read to its end when it was stored.
    bool Incomplete() const { return size > dataLength; }
};

enum LContainerReadResult {
    LContainerReadOK,
    LContainerReadEnd,  // no more entries, or no more data in this one
    LContainerReadCannotOpen,
    LContainerReadNotAContainer,  // wrong magic or version
    LContainerReadWrongPassword,
    LContainerReadDamaged,  // ErrorText() says how; nothing of the entry may be written
};

// Walks a container entry by entry. Every length is checked against the file before it is
// used, so a damaged or hostile container fails cleanly instead of driving allocations, reads
// past its end or writes of garbage.
class LContainerReader {
public:
    // Opens the container and checks its header and the password.
    LContainerReadResult Open(const std::string& path, const char* password);

    uint32_t FileCount() const { return fileCount; }
    int Algorithm() const { return algorithm; }
    const std::string& ErrorText() const { return errorText; }

    // The next entry. Folder entries do not count towards the file count; once it is reached,
    // only the folder entries that follow are still returned.
    LContainerReadResult Next(LContainerEntry& entry);

    // Deciphers the next block of the current entry's data into block (8192 bytes);
    // contentBytes is how many of them belong to the content. End when the data is done.
    LContainerReadResult ReadBlock(unsigned char* block, uint32_t& contentBytes);

    // Passes over what is left of the current entry's data.
    LContainerReadResult SkipData();

    // The target of the current link entry: its data up to the first zero byte.
    LContainerReadResult ReadLinkTarget(std::string& target);

private:
    bool ReadExact(void* buffer, size_t length);
    LContainerReadResult Damaged(const std::string& text);
    LContainerReadResult ReadHeader(const char* password);
    LContainerReadResult ReadEntryHead(LContainerEntry& entry);
    LContainerReadResult CheckData(const LContainerEntry& entry);

    LFileDescriptor file;
    std::unique_ptr<LContentCipher> cipher;
    uint64_t fileSize = 0;
    uint64_t offset = 0;
    uint32_t fileCount = 0;
    uint32_t filesSeen = 0;
    int algorithm = 0;
    uint64_t dataLeft = 0;
    uint64_t contentLeft = 0;
    std::string errorText;
};
