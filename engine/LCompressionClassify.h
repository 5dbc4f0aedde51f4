#pragma once

#include "LMap.h"

#include <string>

// Which collected files go into the zip archive, and the groups they are packed in.

// True when path is to be packed: compression is on and the lower-cased extension of its
// last component (dot included, "" without one) occurs nowhere in ignoreList. The list is
// matched as stored, so a file without an extension is never packed.
bool LCompressionIsPacked(const std::string& path, bool compress, const std::string& ignoreList);

// The group of path: its first component with the leading slash ("/home/ann/a.txt" gives
// "/home").
std::string LCompressionGroupKey(const std::string& path);

// True when path lies in the group key: key, then a separator or nothing.
bool LCompressionInGroup(const std::string& path, const std::string& key);

// Puts path into its group: a new group's working folder is the file's folder; an existing
// one's becomes the longest common prefix of the two, cut after its last separator.
void LCompressionGroupAdd(LMap<std::string, std::string>& groups, const std::string& path);
