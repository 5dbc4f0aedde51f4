#pragma once

#include "LList.h"
#include "LMap.h"

#include <cstdint>
#include <string>
#include <vector>

// One folder found while collecting the items of an encryption.
struct LCryptFSFolder {
    std::string path;  // the folder's full path
    std::string name;  // the name stored in the container (path without the base folder)
};

// The job record of an encryption or a decryption. The caller makes it empty, fills what it
// knows, keeps it alive for the run and reads errorText after a failure. Paths are unbounded:
// nothing is ever cut and then used.
struct LCryptData {
    std::vector<std::string> items;            // files and folders chosen for encryption
    std::vector<std::string> zipFiles;         // files to pack into the zip archive
    std::vector<std::string> entryFiles;       // files written as entries; the archive goes last
    LList<LCryptFSFolder> folders;             // collected folders, newest first
    LMap<std::string, std::string> zipGroups;  // packing groups
    std::string zipPath;                       // the temporary zip archive
    std::string containerPath;                 // output of an encryption, input of a decryption
    std::string password;
    std::string destination;  // folder that receives decrypted files
    std::string errorText;    // why a run failed
    int algorithm = 0;        // 0 Blowfish, 1 DES
    int selfDecrypt = 0;  // encryption: make a self-decrypting bundle; decryption: ask the folder
    int compress = 0;     // pack files into a zip archive before encryption
    int packByItem = 0;   // 0 by groups, 1 by chosen item
    int quiet = 0;        // decryption overwrites existing files without asking
    uint64_t totalBytes = 0;  // expected output size, for the free-space checks
    std::string baseFolder;   // parent folder, ending with '/', of the last top-level folder item
    // What a run that otherwise succeeded left out: files that could not be read or written,
    // entries restored incomplete, names that could not be stored. One line each, saying
    // which and why; the caller reports them when the run ends.
    std::vector<std::string> leftOut;
};

// The parameter records of the two runs: the job record they work on, owned by the caller.
struct LEncryptProcess {
    LCryptData* data = nullptr;
};

struct LDecryptProcess {
    LCryptData* data = nullptr;
};
