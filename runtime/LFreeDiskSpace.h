#pragma once

#include <cstdint>
#include <string>

// Free bytes on the volume that holds path (blocks reserved for the administrator count as
// free); 0 when the query fails. For a path that does not exist yet, its nearest existing
// folder is asked (the current folder for a relative path, "/" at the very least), since that
// is where it would be created.
uint64_t LGetFreeDiskSpace(const std::string& path);
