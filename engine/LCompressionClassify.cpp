#include "LCompressionClassify.h"

#include "LPath.h"
#include "LZipCommand.h"

#include <algorithm>
#include <cctype>

namespace {

std::string LowerExtension(const std::string& path) {
    std::string extension = LPathGetExtension(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// The common beginning of a and b, cut after the last separator within it.
std::string CommonFolder(const std::string& a, const std::string& b) {
    size_t common = 0;
    while (common < a.size() && common < b.size() && a[common] == b[common]) {
        ++common;
    }
    size_t last = a.substr(0, common).find_last_of("/\\");
    return last == std::string::npos ? std::string() : a.substr(0, last + 1);
}

}  // namespace

bool LCompressionIsPacked(const std::string& path, bool compress, const std::string& ignoreList) {
    return compress && ignoreList.find(LowerExtension(path)) == std::string::npos;
}

std::string LCompressionGroupKey(const std::string& path) {
    return LPathGetTopFolder(path);
}

bool LCompressionInGroup(const std::string& path, const std::string& key) {
    return path.starts_with(key) &&
           (path.size() == key.size() || LPathIsSeparator(path[key.size()]));
}

void LCompressionGroupAdd(LMap<std::string, std::string>& groups, const std::string& path) {
    std::string key = LCompressionGroupKey(path);
    std::string folder = LZipFileFolder(path);
    if (const std::string* stored = groups.Find(key)) {
        groups.Set(key, CommonFolder(folder, *stored));
    } else {
        groups.Set(key, folder);
    }
}
