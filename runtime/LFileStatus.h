#pragma once

#include <string>

// True if anything exists at path; a symbolic link counts even when it points nowhere.
bool LFileExists(const std::string& path);

// True if path is a folder, following symbolic links.
bool LFolderExists(const std::string& path);

// True if path is a regular file, following symbolic links.
bool LFileIsRegular(const std::string& path);

// True if path itself is a symbolic link.
bool LFileIsLink(const std::string& path);

// True if both paths exist and lie on the same file system (so a rename between them works).
bool LSameFileSystem(const std::string& a, const std::string& b);
