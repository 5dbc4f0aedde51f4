#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The name stored for a file or link: its path, or, when the path is longer than a name may be,
// its last characters from a separator on, so the file name itself survives.
std::string LEntryNameForPath(const std::string& path);

// The name zero-padded to whole blocks and enciphered under the entry-name key.
std::vector<unsigned char> LEntryNameEncipher(const std::string& name);

// Deciphers paddedLength bytes in place and returns the name cut to length characters (and at a
// zero byte, which no name holds).
std::string LEntryNameDecipher(unsigned char* data, uint32_t paddedLength, uint32_t length);

// The last component of a stored name: the text after its last '/' or '\'.
std::string LEntryNameLastComponent(const std::string& name);
