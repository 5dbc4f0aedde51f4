#include "LCollectClassify.h"

#include "LCompressionClassify.h"
#include "LUserSettings.h"

void LCollectClassify(LCryptData& data, const std::string& path) {
    std::string ignoreList;
    if (data.compress) {
        LUserSettingGet("Crypto", "CompressionIgnoreList", "", ignoreList);
    }
    if (!LCompressionIsPacked(path, data.compress != 0, ignoreList)) {
        data.entryFiles.push_back(path);
        return;
    }
    data.zipFiles.push_back(path);
    LCompressionGroupAdd(data.zipGroups, path);
}
