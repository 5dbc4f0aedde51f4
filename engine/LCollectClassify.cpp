#include "LCollectClassify.h"

void LCollectClassify(LCryptData& data, const std::string& path) {
    data.entryFiles.push_back(path);
}
