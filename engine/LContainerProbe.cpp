#include "LContainerProbe.h"

#include "LContainerFormat.h"
#include "LContainerHeader.h"
#include "LFileDescriptor.h"
#include "LPath.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

bool LContainerTestPassword(const std::string& path, const char* password) {
    LFileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    unsigned char length[4];
    if (!file.IsOpen() || pread(file.Get(), length, 4, kContainerCheckOffset) != 4 ||
        LGetUInt32LE(length) != kContainerCheckLength) {
        return false;
    }
    unsigned char check[kContainerCheckLength];
    return pread(file.Get(), check, sizeof check, kContainerCheckOffset + 4) ==
               static_cast<ssize_t>(sizeof check) &&
           LContainerCheckMatches(check, password);
}

bool LContainerTestExtension(const std::string& path) {
    const std::string extension = LPathGetExtension(path);
    return strcasecmp(extension.c_str(), ".zel") == 0 || strcasecmp(extension.c_str(), ".cry") == 0;
}
