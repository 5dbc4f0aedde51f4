#pragma once

#include <string>

// Moves the finished file source to target, replacing what is there, so that
// target never holds a partial file. Normally a rename; when that meets another
// file system (EXDEV), source is copied to a new file beside target, synced and
// renamed over it, and source is deleted. False when target could not be made.
bool LEncryptMoveIntoPlace(const std::string& source, const std::string& target);
