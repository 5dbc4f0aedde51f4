#pragma once

#include "LList.h"
#include "LProcessInterface.h"
#include "LProcessResult.h"

#include <string>

// One packing step: files added one by one to an archive, their names inside it relative to
// one working folder.
struct LProcessZipFileAdd {
    struct Entry {
        std::string path;  // the file's full path
    };
    std::string archive;
    std::string workingFolder;
    LList<Entry> entries;  // added in this order
};

// Adds one file, named relative to workingFolder, showing its name on status line 0. Failed,
// with the reason given to SetError, when the file no longer exists or zip could not add it.
LProcessResult LZipAddOne(LProcessInterface& process, const std::string& archive,
                          const std::string& workingFolder, const std::string& path);

// Adds every entry, with the file's name on status line 0 and progress between files.
// Stopped when a stop is asked between files; Failed, with the reason given to SetError, when
// a file no longer exists or zip could not add it.
LProcessResult Process(LProcessInterface& process, LProcessZipFileAdd& add);
