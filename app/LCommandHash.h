#pragma once

#include <string>

// The digest text of the file for a hash algorithm word ("md5", "sha1" or "tiger", in any
// case). False for any other word; an unreadable file gives true with an empty digest.
bool LCommandFileDigest(const std::string& algorithm, const std::string& file, std::string& digest);
