#pragma once

#include "LCryptData.h"

#include <string>

// Where one collected file goes: the direct list (entryFiles), or, when
// compression is on and its extension is not on the "Crypto"/
// "CompressionIgnoreList" setting, the pack list (zipFiles) and its group.
void LCollectClassify(LCryptData& data, const std::string& path);
