#include "LEntryName.h"

#include "LBlowfish.h"
#include "LContainerFormat.h"
#include "LEntryNameKey.h"

#include <algorithm>

namespace {

// The key never changes, so its schedule is made once.
const LBlowfishContext& NameContext() {
    static const LBlowfishContext context = [] {
        LBlowfishContext made{};
        BlowfishInit(made, kEntryNameKey);
        return made;
    }();
    return context;
}

}  // namespace

std::string LEntryNameForPath(const std::string& path) {
    if (path.size() <= kContainerMaxNameLength) {
        return path;
    }
    size_t from = path.find('/', path.size() - kContainerMaxNameLength);
    if (from == std::string::npos) {
        // No separator in reach: the end of the name is all that can be kept.
        from = path.size() - kContainerMaxNameLength;
    }
    return path.substr(from);
}

std::vector<unsigned char> LEntryNameEncipher(const std::string& name) {
    std::vector<unsigned char> data(LContainerPaddedNameLength(static_cast<uint32_t>(name.size())),
                                    0);
    std::copy(name.begin(), name.end(), data.begin());
    BlowfishEncryptBuffer(NameContext(), data.data(), static_cast<unsigned int>(data.size()));
    return data;
}

std::string LEntryNameDecipher(unsigned char* data, uint32_t paddedLength, uint32_t length) {
    BlowfishDecryptBuffer(NameContext(), data, paddedLength);
    std::string name(reinterpret_cast<const char*>(data), std::min(length, paddedLength));
    return name.substr(0, name.find('\0'));
}

std::string LEntryNameLastComponent(const std::string& name) {
    size_t separator = name.find_last_of("/\\");
    return separator == std::string::npos ? name : name.substr(separator + 1);
}
