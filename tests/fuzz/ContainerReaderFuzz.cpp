// Feeds arbitrary bytes to the container reader as a container file and walks every entry,
// reading each entry's data, its link target or passing over it. Seeds begin with a header
// whose check belongs to the password used here, so the fuzzer reaches the entries.
#include "LContainerReader.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

std::string ScratchFile() {
    char name[] = "/tmp/zel-fuzz-container-XXXXXX";
    int fd = mkstemp(name);
    if (fd >= 0) {
        close(fd);
    }
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = ScratchFile();
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    LContainerReader reader;
    if (reader.Open(path, "secret") != LContainerReadOK) {
        return 0;
    }
    LContainerEntry entry;
    unsigned char block[kContainerBlockSize];
    for (int n = 0; reader.Next(entry) == LContainerReadOK; ++n) {
        if (entry.type == LContainerEntryLink) {
            std::string target;
            reader.ReadLinkTarget(target);
        } else if (entry.type == LContainerEntryFile && n % 2 == 0) {
            uint32_t used = 0;
            while (reader.ReadBlock(block, used) == LContainerReadOK) {
            }
        }
    }
    return 0;
}
