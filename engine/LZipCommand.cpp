#include "LZipCommand.h"

#include "LRunCommand.h"
#include "LTiming.h"

#include <vector>

std::string LZipFileFolder(const std::string& path) {
    size_t last = path.find_last_of("/\\");
    if (last == std::string::npos) {
        return {};
    }
    return last == 0 ? path.substr(0, 1) : path.substr(0, last);
}

std::string LZipArchivePath(const std::string& entry, const std::string& workingFolder) {
    std::string folder = workingFolder;
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    size_t common = 0;
    while (common < folder.size() && common < entry.size() && folder[common] == entry[common]) {
        ++common;
    }
    std::string relative;
    for (size_t i = common; i < folder.size(); ++i) {
        if (folder[i] == '/') {
            relative += "../";
        }
    }
    size_t rest = common;
    if (rest < entry.size() && entry[rest] == '/') {
        ++rest;
    }
    return relative + entry.substr(rest);
}

std::string LZipEscapeEntryName(const std::string& name) {
    std::string escaped;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c == '[' || c == '*' || c == '?' || (c == '-' && i == 0)) {
            escaped += '[';
            escaped += c;
            escaped += ']';
        } else {
            escaped += c;
        }
    }
    return escaped;
}

bool LZipAddCommand(const std::string& archive, const std::string& workingFolder,
                    const std::string& relativePath) {
    // zip would read a name beginning with '-' as an option.
    std::string name = relativePath.starts_with('-') ? "./" + relativePath : relativePath;
    bool added = LRunCommandArgv({"/usr/bin/zip", "-y", archive, name}, workingFolder, true);
    // Additions are spaced a second apart, as they always have been.
    Sleep(1000);
    return added;
}

bool LZipExtractCommand(const std::string& archive, const std::string& entryName,
                        const std::string& destination) {
    std::vector<std::string> argv{"/usr/bin/unzip", "-o", archive};
    if (!entryName.empty()) {
        argv.push_back(LZipEscapeEntryName(entryName));
    }
    argv.insert(argv.end(), {"-d", destination});
    return LRunCommandArgv(argv, {}, true);
}

bool LZipFileAdd(const std::string& archive, const std::string& file) {
    std::string folder = LZipFileFolder(file);
    return LZipAddCommand(archive, folder, folder.empty() ? file : LZipArchivePath(file, folder));
}
