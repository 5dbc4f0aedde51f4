#include "LCompressionPack.h"

#include "LCompressionClassify.h"
#include "LFileStatus.h"
#include "LPath.h"
#include "LZipCommand.h"
#include "LZipFileAddProcess.h"

#include <vector>

namespace {

// The folder that holds each chosen folder: the folder items' roots, in item order.
std::vector<std::string> ItemRoots(const std::vector<std::string>& items) {
    std::vector<std::string> roots;
    for (const std::string& item : items) {
        if (!LFolderExists(item)) {
            continue;
        }
        if (item.size() <= LPathGetTopFolder(item).size()) {
            roots.push_back(item);
        } else {
            roots.push_back(LPathGetFolder(item.substr(0, item.size() - 1)));
        }
    }
    return roots;
}

// The first root the file lies in, else the file's own folder.
std::string WorkingFolderOf(const std::string& file, const std::vector<std::string>& roots) {
    for (const std::string& root : roots) {
        if (LCompressionInGroup(file, root) ||
            (!root.empty() && LPathIsSeparator(root.back()) && file.starts_with(root))) {
            return root;
        }
    }
    return LZipFileFolder(file);
}

}  // namespace

LProcessResult LCompressionPackByGroups(LProcessInterface& process, LCryptData& data) {
    for (const auto& [key, folder] : data.zipGroups) {
        LProcessZipFileAdd add{data.zipPath, folder, {}};
        for (const std::string& file : data.zipFiles) {
            if (LCompressionInGroup(file, key)) {
                add.entries.AddHead({file});
            }
        }
        LProcessResult result = Process(process, add);
        if (result != LProcessResultSuccess) {
            return result;
        }
    }
    return LProcessResultSuccess;
}

LProcessResult LCompressionPackByItem(LProcessInterface& process, LCryptData& data) {
    std::vector<std::string> roots = ItemRoots(data.items);
    for (const std::string& file : data.zipFiles) {
        if (process.IsToStop()) {
            return LProcessResultStopped;
        }
        LProcessResult result =
            LZipAddOne(process, data.zipPath, WorkingFolderOf(file, roots), file);
        if (result != LProcessResultSuccess) {
            return result;
        }
    }
    return LProcessResultSuccess;
}
