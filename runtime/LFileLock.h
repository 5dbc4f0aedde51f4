#pragma once

#include <string>
#include <vector>

// The pauses, in milliseconds, between attempts to take a lock within ms: the first is
// ms / 32 + 1, each further one twice the previous, and none reaches ms.
std::vector<unsigned int> LFileLockPauses(unsigned int ms);

// Takes the advisory lock operation (LOCK_SH or LOCK_EX) on fd without blocking. While another
// process holds a conflicting lock it tries again after each of LFileLockPauses(ms); false when
// that runs out or on any other error.
bool LFileLockWithRetry(int fd, int operation, unsigned int ms);

// Opens read-only and asks for a shared lock within ms. The descriptor is returned even when
// the lock could not be had in time; -1 only when the file cannot be opened.
int LFileOpenReadLocked(const std::string& path, unsigned int ms);

// Opens read-write (created with mode 0666 less the umask if missing), asks for an exclusive
// lock within ms and empties the file. As above, the lock is not required.
int LFileOpenWriteLocked(const std::string& path, unsigned int ms);
