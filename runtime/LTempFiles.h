#pragma once

#include <string>

// Temporary names and folders. They live under "/var/tmp/" unless the environment variable
// ZEL_TMPDIR names another folder. Everything made here is private to the user (0600 files,
// 0700 folders); the run that made it removes it.

// The folder temporary things go to: ZEL_TMPDIR when set and not empty, else "/var/tmp/".
std::string LTempRoot();

// Makes a new, empty file folder/0XXXXXX<suffix> (the six X replaced) and returns its path, or
// "" on failure. The file is left for the caller to overwrite.
std::string LFileCreateTempName(const std::string& folder, const std::string& suffix = {});

// Makes a new private folder LTempRoot()/0XXXXXX and returns its path, or "" on failure.
std::string LFolderCreateTemp();

// A private temporary folder on the file system of outputPath, so that the finished output can
// be renamed into place: under LTempRoot() when that is on the same file system as the
// output's folder, else a hidden folder .0XXXXXX beside the output. "" on failure.
std::string LFolderCreateTempBeside(const std::string& outputPath);
