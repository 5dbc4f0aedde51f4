#pragma once

#include "LFolderTree.h"

#include <string>
#include <utility>

// Owns a temporary folder and removes it, with everything in it, when it goes, so every way
// out of a run cleans up.
class LTempFolder {
public:
    LTempFolder() = default;
    explicit LTempFolder(std::string folder) : path(std::move(folder)) {}
    ~LTempFolder() { Reset(); }

    LTempFolder(LTempFolder&& other) noexcept : path(other.Release()) {}
    LTempFolder& operator=(LTempFolder&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    LTempFolder(const LTempFolder&) = delete;
    LTempFolder& operator=(const LTempFolder&) = delete;

    const std::string& Path() const { return path; }
    bool IsSet() const { return !path.empty(); }

    // Keeps the folder: the caller is in charge of it from now on.
    std::string Release() { return std::exchange(path, std::string()); }

    // Removes the folder held (true if that worked or there was none) and holds folder instead.
    bool Reset(std::string folder = {}) {
        bool removed = path.empty() || LFolderDeleteTree(path);
        path = std::move(folder);
        return removed;
    }

private:
    std::string path;
};
