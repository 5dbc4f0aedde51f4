#pragma once

#include <string>

// Whether the container at path opens and its password check belongs to password. Only the
// check is read, so this is cheap enough to ask before a decryption starts.
bool LContainerTestPassword(const std::string& path, const char* password);

// Whether path names a container by its extension: ".zel" or ".cry", in any case.
bool LContainerTestExtension(const std::string& path);
