#include "LFolderIterator.h"

#include "LFileStatus.h"
#include "LPath.h"
#include "LWildcardMatch.h"

LFolderIterator::LFolderIterator(const std::string& path) : LFolderIterator(path, false) {}

LFolderIterator::LFolderIterator(const std::string& path, bool onlyVisibleMatches)
    : folder(path), pattern("*"), visibleMatchesOnly(onlyVisibleMatches) {
    if (LFileIsRegular(path)) {
        folder = LPathGetFolder(path);
        std::string fileName = LPathGetFileName(path);
        pattern = fileName.empty() ? "*" : fileName;
    }
    if (LFolderExists(folder)) {
        dir.reset(opendir(folder.c_str()));
        Next();
    }
}

std::string LFolderIterator::Path() const {
    return LPathAppend(folder, name);
}

void LFolderIterator::Next() {
    while (dir != nullptr) {
        const struct dirent* entry = readdir(dir.get());
        if (entry == nullptr) {
            dir.reset();
            name.clear();
            return;
        }
        if (Accepts(entry->d_name)) {
            name = entry->d_name;
            return;
        }
    }
}

bool LFolderIterator::Accepts(const std::string& entry) const {
    return !visibleMatchesOnly || (entry[0] != '.' && LWildcardMatch(pattern, entry));
}
