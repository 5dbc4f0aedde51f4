#pragma once

#include "LFileDescriptor.h"

#include <sys/types.h>
#include <cstddef>
#include <string>

// A file being restored. It is written to a private temporary file in its own
// folder and renamed over its name only when it is complete, so a stop, a full
// disk or a damaged container never destroys the file that was there before.
// Dropped unfinished, it removes the temporary file and nothing else.
class LDecryptOutputFile {
public:
    LDecryptOutputFile() = default;
    ~LDecryptOutputFile() { Discard(); }
    LDecryptOutputFile(const LDecryptOutputFile&) = delete;
    LDecryptOutputFile& operator=(const LDecryptOutputFile&) = delete;

    // Makes the temporary file in the folder; false (errno set) when it cannot be
    // made.
    bool Create(int folder);

    // Appends all of data; false (errno set) when it could not be written.
    bool Write(const void* data, size_t length);

    // Gives the file its mode and puts it in place under name, replacing whatever
    // file or link had that name. False (errno set, the temporary file removed)
    // when that fails.
    bool Commit(const std::string& name, mode_t mode);

    // Removes the temporary file when it was not put in place.
    void Discard();

private:
    int folder = -1;
    std::string temporaryName;
    LFileDescriptor file;
};
