#pragma once

#include <string>
#include <vector>

// The names in the open folder dirFd, in the order the file system lists them, without "." and
// "..". Read whole before anything is changed, so removing or adding entries cannot make the
// listing skip or repeat one. Empty when the folder cannot be read.
std::vector<std::string> LFolderEntryNames(int dirFd);

// Opens the folder name inside dirFd (AT_FDCWD: a path) for listing, never through a symbolic
// link; -1 on failure.
int LFolderOpenAt(int dirFd, const std::string& name);
