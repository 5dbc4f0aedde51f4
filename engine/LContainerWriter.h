#pragma once

#include "LContainerFormat.h"
#include "LWriteFileRef.h"

#include <string>

// Whether a name can be stored whole (at most 259 characters).
bool LContainerNameFits(const std::string& name);

// The start of every entry: type, name length and the enciphered, padded name.
bool LContainerWriteEntryHead(LWriteFileRef& output, LContainerEntryType type,
                              const std::string& name);

// A folder entry. The name must fit; false when it does not or a write failed.
bool LContainerWriteFolderEntry(LWriteFileRef& output, const std::string& name);
