#include "LZipFileAddProcess.h"

#include "LFileStatus.h"
#include "LPath.h"
#include "LZipCommand.h"

LProcessResult LZipAddOne(LProcessInterface& process, const std::string& archive,
                          const std::string& workingFolder, const std::string& path) {
    process.SetStatus(LPathGetFileName(path).c_str(), 0);
    // lstat: a dangling link is still something zip can store.
    if (!LFileExists(path)) {
        process.SetError(("File does not exist: \"" + path + "\"").c_str());
        return LProcessResultFailed;
    }
    if (!LZipAddCommand(archive, workingFolder, LZipArchivePath(path, workingFolder))) {
        process.SetError(("File could not be added to Zip file: \"" + path + "\"").c_str());
        return LProcessResultFailed;
    }
    return LProcessResultSuccess;
}

LProcessResult Process(LProcessInterface& process, LProcessZipFileAdd& add) {
    process.SetProgress(0);
    double count = static_cast<double>(add.entries.GetCount());
    double added = 0;
    for (const LProcessZipFileAdd::Entry& entry : add.entries) {
        if (process.IsToStop()) {
            return LProcessResultStopped;
        }
        if (entry.path.empty()) {
            continue;
        }
        LProcessResult result = LZipAddOne(process, add.archive, add.workingFolder, entry.path);
        if (result != LProcessResultSuccess) {
            return result;
        }
        process.SetProgress(added / count);
        ++added;
    }
    return LProcessResultSuccess;
}
