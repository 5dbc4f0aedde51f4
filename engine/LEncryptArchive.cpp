#include "LEncryptArchive.h"

#include "LCompressionArchive.h"
#include "LCompressionPack.h"

#include <sys/stat.h>

bool LEncryptPrepareArchive(LCryptData& data, LTempFolder& archiveFolder) {
    data.zipPath = LCompressionPrepareArchive(archiveFolder);
    if (data.zipPath.empty()) {
        data.errorText = "Compressing of files failed.";
        return false;
    }
    return true;
}

LProcessResult LEncryptPack(LProcessInterface& process, LCryptData& data) {
    LProcessResult result = data.packByItem == 1 ? LCompressionPackByItem(process, data)
                                                 : LCompressionPackByGroups(process, data);
    if (result == LProcessResultFailed) {
        data.errorText = "Compressing of files failed.";
    }
    if (result != LProcessResultSuccess) {
        return result;
    }
    data.entryFiles.push_back(data.zipPath);
    struct stat status {};
    if (stat(data.zipPath.c_str(), &status) == 0) {
        data.totalBytes += static_cast<uint64_t>(status.st_size);
    }
    return LProcessResultSuccess;
}
