#pragma once

#include <string>
#include <vector>

class LWindow;

// Extracts the entries of the zip archive into destination one by one, in archive order,
// asking "File Exists" for each target that exists (its tick applies the last answer to the
// rest). An entry whose name is absolute or climbs out with "..", or whose target would pass
// through a symbolic link, is skipped and added to leftOut, as is one the unzip tool fails
// on. The archive itself stays. False when the user chose Cancel.
bool LExtractCompressed(LWindow* parent, const std::string& archive, const std::string& destination,
                        std::vector<std::string>& leftOut);

// The entry names of the archive, as "unzip -Z1" lists them; empty when it cannot be read.
std::vector<std::string> LZipEntryNames(const std::string& archive);
