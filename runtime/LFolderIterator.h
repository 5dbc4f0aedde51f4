#pragma once

#include <dirent.h>
#include <memory>
#include <string>

// Walks the entries of a folder in the order the file system lists them (no sorting), names
// beginning with '.' and the entries "." and ".." included: each caller skips those two.
// Opened on a regular file, it walks the file's folder, with the file's name as its pattern.
//
//   for (LFolderIterator it(path); it.HasEntry(); it.Next()) { ... it.Name() ... }
class LFolderIterator {
public:
    explicit LFolderIterator(const std::string& path);
    LFolderIterator(LFolderIterator&&) noexcept = default;
    LFolderIterator& operator=(LFolderIterator&&) noexcept = default;

    // False once the last entry has been passed (the folder is closed then), or when the
    // folder could not be opened.
    bool HasEntry() const { return dir != nullptr; }
    // The current entry's name.
    const std::string& Name() const { return name; }
    // The folder and the current entry's name joined.
    std::string Path() const;
    const std::string& Folder() const { return folder; }
    const std::string& Pattern() const { return pattern; }

    void Next();

protected:
    LFolderIterator(const std::string& path, bool onlyVisibleMatches);

private:
    struct DirCloser {
        void operator()(DIR* d) const { closedir(d); }
    };

    bool Accepts(const std::string& entry) const;

    std::unique_ptr<DIR, DirCloser> dir;
    std::string folder;
    std::string pattern;
    std::string name;
    bool visibleMatchesOnly = false;
};

namespace LFile {

// As LFolderIterator, but only entries that do not begin with '.' and match the pattern
// (LWildcardMatch) are returned.
class FolderIterator : public LFolderIterator {
public:
    explicit FolderIterator(const std::string& path) : LFolderIterator(path, true) {}
};

}  // namespace LFile
