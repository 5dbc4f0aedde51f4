#include "LContainerWriter.h"

#include "LEntryName.h"

#include <vector>

bool LContainerNameFits(const std::string& name) {
    return name.size() <= kContainerMaxNameLength;
}

bool LContainerWriteEntryHead(LWriteFileRef& output, LContainerEntryType type,
                              const std::string& name) {
    std::vector<unsigned char> enciphered = LEntryNameEncipher(name);
    return output.WriteUInt32(type) && output.WriteUInt32(static_cast<uint32_t>(name.size())) &&
           output.Write(enciphered.data(), enciphered.size());
}

bool LContainerWriteFolderEntry(LWriteFileRef& output, const std::string& name) {
    return LContainerNameFits(name) &&
           LContainerWriteEntryHead(output, LContainerEntryFolder, name);
}
