#pragma once

#include <string>

#include "LXMLElement.h"

// Writes the document to a new private file (0600) in the folder of path, syncs it and renames
// it over path, so readers see either the old file or the whole new one. Nothing is left
// behind on failure.
bool LSettingsFileReplace(const std::string& path, const LXMLElement& document);
