#include "LEncryptBundle.h"

#include "LFileStatus.h"
#include "LFolderTree.h"
#include "LPackFile.h"

LProcessResult LEncryptMakeBundle(LProcessInterface& process, LCryptData& data,
                                  const std::string& container) {
    bool existed = LFileExists(data.containerPath);
    LPackFileData pack{data.containerPath, container};
    if (Process(process, pack) == LProcessResultSuccess) {
        return LProcessResultSuccess;
    }
    // A half-made bundle is ours to remove; the user's own file or folder there is not.
    if (!existed) {
        LFolderDeleteTree(data.containerPath);
    }
    data.errorText = "Could not create self unpacking file.";
    return LProcessResultFailed;
}
