#pragma once

#include "LCryptData.h"

#include <string>

// Where one collected file goes: the direct list (entryFiles), or, when
// compression is on and its extension is not on the ignore list, the pack list
// and its group. Packing is not built yet, so a run with compression stops
// before collecting (LEncryptPrepareArchive) and every file this sees goes to
// the direct list.
void LCollectClassify(LCryptData& data, const std::string& path);
