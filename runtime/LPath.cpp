#include "LPath.h"

namespace {

constexpr const char* kSeparators = "/\\";

// Index of the first character of the last component.
size_t LastComponentStart(const std::string& path) {
    size_t separator = path.find_last_of(kSeparators);
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

bool LPathIsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string LPathAppend(const std::string& folder, const std::string& name,
                        const std::string& suffix) {
    std::string result = folder;
    if (!folder.empty() && !LPathIsSeparator(folder.back())) {
        result += '/';
    }
    return result + name + suffix;
}

std::string LPathGetFolder(const std::string& path) {
    size_t separator = path.find_last_of(kSeparators);
    if (separator == std::string::npos) {
        return {};
    }
    return path.substr(0, separator == 0 ? 1 : separator);
}

std::string LPathGetFileName(const std::string& path) {
    return path.substr(LastComponentStart(path));
}

std::string LPathGetExtension(const std::string& path) {
    size_t start = LastComponentStart(path);
    size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < start ? std::string() : path.substr(dot);
}

std::string LPathGetTitle(const std::string& path) {
    std::string name = LPathGetFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string LPathReplaceExtension(const std::string& path, const std::string& extension) {
    size_t start = LastComponentStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= start) {
        return path + extension;
    }
    return path.substr(0, dot) + extension;
}

std::string LPathGetTopFolder(const std::string& path) {
    size_t separator = path.find_first_of(kSeparators, 2);
    return separator == std::string::npos ? path : path.substr(0, separator);
}
