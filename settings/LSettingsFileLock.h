#pragma once

#include <string>

#include "LFileDescriptor.h"

// An exclusive advisory lock on a lock file of its own, held for the object's lifetime. The
// lock file is never replaced, so everyone who locks it locks the same file even while the
// data file beside it is renamed over.
class LSettingsFileLock {
public:
    // Waits as long as another holder keeps the lock; creates the lock file (0600) if missing.
    explicit LSettingsFileLock(const std::string& lockPath);
    bool IsLocked() const { return locked; }

private:
    LFileDescriptor fd;
    bool locked = false;
};
