#pragma once

#include <sys/types.h>
#include <string>

// Creates the folder (mode less the umask) if nothing exists at path. True only if a folder
// was created now: false when something already existed or mkdir failed.
bool LFolderCreate(const std::string& path, mode_t mode = 0777);

// Creates the folder and any missing folders above it (by LPathGetFolder). The result is that
// of creating path itself, so an existing folder gives false; callers that only need the
// folder to be there test LFolderExists afterwards.
bool LFolderCreateWithParents(const std::string& path, mode_t mode = 0777);
