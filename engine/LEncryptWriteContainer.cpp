#include "LEncryptWriteContainer.h"

#include "LContainerHeader.h"
#include "LContainerWriter.h"
#include "LEncryptFile.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kWriteFailed = "Could not write encrypted file.";

// The folder a collected path lies in. Only '/' separates: a '\' is part of a
// name here.
std::string ParentOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return path.substr(0, slash == 0 ? 1 : slash);
}

class Writer {
public:
    Writer(LProcessInterface& processRun, LCryptData& job, LWriteFileRef& container)
        : process(processRun),
          data(job),
          output(container),
          cipher(job.algorithm, job.password.c_str()) {
        if (!data.entryFiles.empty()) {
            weight = 1.0 / static_cast<double>(data.entryFiles.size());
        }
    }

    LProcessResult Run() {
        if (!LContainerWriteHeader(output, data.algorithm, data.password.c_str())) {
            return Failed();
        }
        std::unordered_set<std::string> folderPaths;
        for (const LCryptFSFolder& folder : data.folders) {
            folderPaths.insert(folder.path);
        }
        // The files of each folder, and those of none, in entryFiles order.
        std::vector<size_t> topLevel;
        std::unordered_map<std::string, std::vector<size_t>> byFolder;
        for (size_t i = 0; i < data.entryFiles.size(); ++i) {
            std::string parent = ParentOf(data.entryFiles[i]);
            if (folderPaths.contains(parent)) {
                byFolder[parent].push_back(i);
            } else {
                topLevel.push_back(i);
            }
        }
        LProcessResult result = Files(topLevel);
        for (auto folder = data.folders.begin();
             result == LProcessResultSuccess && folder != data.folders.end(); ++folder) {
            result = Folder(*folder, byFolder[folder->path]);
        }
        if (result != LProcessResultSuccess) {
            return result;
        }
        return LContainerWriteFileCount(output, fileCount) ? LProcessResultSuccess : Failed();
    }

private:
    LProcessResult Folder(const LCryptFSFolder& folder, const std::vector<size_t>& files) {
        if (process.IsToStop()) {
            return LProcessResultStopped;
        }
        if (!LContainerWriteFolderEntry(output, folder.name)) {
            return Failed();
        }
        return Files(files);
    }

    LProcessResult Files(const std::vector<size_t>& files) {
        for (size_t index : files) {
            if (process.IsToStop()) {
                return LProcessResultStopped;
            }
            LProcessResult result = File(data.entryFiles[index]);
            if (result != LProcessResultSuccess) {
                return result;
            }
        }
        return LProcessResultSuccess;
    }

    LProcessResult File(const std::string& path) {
        LEncryptFileResult written =
            EncryptFile(process, path.c_str(), progress, weight, output, cipher);
        process.SetProgress(progress);
        switch (written) {
            case LEncryptFileWritten:
                ++fileCount;
                return LProcessResultSuccess;
            case LEncryptFileIncomplete:
                ++fileCount;
                data.leftOut.push_back(path +
                                       ": could be read only in part; what was read is stored");
                return LProcessResultSuccess;
            case LEncryptFileUnreadable:
                data.leftOut.push_back(path + ": could not be read; left out");
                return LProcessResultSuccess;
            case LEncryptFileStopped:
                return LProcessResultStopped;
            case LEncryptFileWriteFailed:
                break;
        }
        return Failed();
    }

    LProcessResult Failed() {
        data.errorText = kWriteFailed;
        return LProcessResultFailed;
    }

    LProcessInterface& process;
    LCryptData& data;
    LWriteFileRef& output;
    // Keyed once: the key schedule would otherwise dominate a tree of small files.
    LContentCipher cipher;
    double progress = 0;
    double weight = 0;
    uint32_t fileCount = 0;
};

}  // namespace

LProcessResult LEncryptWriteContainer(LProcessInterface& process, LCryptData& data,
                                      LWriteFileRef& output) {
    return Writer(process, data, output).Run();
}
