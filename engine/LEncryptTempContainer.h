#pragma once

#include "LFileDescriptor.h"
#include "LWriteFileRef.h"

#include <string>

// The container while it is written: "crypto" in the run's private temporary
// folder, opened under an exclusive lock so nobody else writes it meanwhile.
// The folder owner removes it.
class LEncryptTempContainer {
public:
    // Creates folder/crypto, private to the user; false when it cannot be made or
    // locked.
    bool Open(const std::string& folder);

    const std::string& Path() const { return path; }
    LWriteFileRef Output() const { return LWriteFileRef(file.Get()); }

    // Gives the container the mode of a file the user makes (0666 less the
    // umask), flushes it to the disk, so that a full disk shows now and not after
    // it replaced an older file, and closes it. False when any of that failed.
    bool Finish();

private:
    LFileDescriptor file;
    std::string path;
};
