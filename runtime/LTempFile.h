#pragma once

#include <unistd.h>
#include <string>
#include <utility>

// Owns a temporary file and deletes it when it goes, unless the caller kept it.
class LTempFile {
public:
    LTempFile() = default;
    explicit LTempFile(std::string file) : path(std::move(file)) {}
    ~LTempFile() { Reset(); }

    LTempFile(LTempFile&& other) noexcept : path(other.Release()) {}
    LTempFile& operator=(LTempFile&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    LTempFile(const LTempFile&) = delete;
    LTempFile& operator=(const LTempFile&) = delete;

    const std::string& Path() const { return path; }
    bool IsSet() const { return !path.empty(); }

    // Keeps the file (for example once it was renamed into place).
    std::string Release() { return std::exchange(path, std::string()); }

    // Deletes the file held and holds file instead.
    void Reset(std::string file = {}) {
        if (!path.empty()) {
            unlink(path.c_str());
        }
        path = std::move(file);
    }

private:
    std::string path;
};
