#pragma once

#include "LFileDescriptor.h"

#include <string>
#include <vector>

// The folder a decryption restores into. It is opened once, following links (a
// destination that is itself a link is the user's own choice); everything below
// it is made and opened relative to that descriptor, one component at a time
// and never through a symbolic link, so no entry of a container can reach
// outside it, whatever links it or the folder holds.
class LDecryptDestination {
public:
    // Makes the folder with its missing parents when it is not there, then opens
    // it.
    bool Open(const std::string& path);

    // The folder made of components below the destination (the destination itself
    // for none), made where missing. Not open when a component cannot be made or
    // is not a real folder; reason then says why.
    LFileDescriptor OpenFolder(const std::vector<std::string>& components,
                               std::string& reason) const;

private:
    LFileDescriptor folder;
};

// Whether anything, a dangling link included, has the name in folder.
bool LDecryptNameExists(int folder, const std::string& name);
