#pragma once

#include <cstdint>
#include <string>

// Whether totalBytes fit on the volume of containerPath's folder, comparing
// whole mebibytes. A regular file already at containerPath counts as free
// space, since the container replaces it.
bool LEncryptTargetHasSpace(const std::string& containerPath, uint64_t totalBytes);

// Whether totalBytes fit in the temporary folder, comparing whole mebibytes.
bool LEncryptTempHasSpace(const std::string& tempFolder, uint64_t totalBytes);
