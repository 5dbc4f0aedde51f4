#include "LCommandHash.h"

#include "LFileDigest.h"

#include <strings.h>

bool LCommandFileDigest(const std::string& algorithm, const std::string& file,
                        std::string& digest) {
    char text[64] = "";
    if (strcasecmp(algorithm.c_str(), "md5") == 0) {
        LMD5FileCreateDigest(file, text);
    } else if (strcasecmp(algorithm.c_str(), "sha1") == 0) {
        LSHA1FileCreateDigest(file, text);
    } else if (strcasecmp(algorithm.c_str(), "tiger") == 0) {
        LTigerFileCreateDigest(file, text);
    } else {
        return false;
    }
    digest = text;
    return true;
}
