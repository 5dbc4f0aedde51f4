#include "LUserSettingsFile.h"

#include <cstdlib>
#include <utility>

#include "LFileStatus.h"
#include "LFolderCreate.h"
#include "LSettingsFileLock.h"
#include "LSettingsFileReplace.h"
#include "LStandardFolders.h"
#include "LXMLElement.h"

namespace {

constexpr std::size_t kElementNameLimit = 259;

std::string ConfigHome() {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured && configured[0] == '/') {
        return configured;
    }
    const char* home = std::getenv("HOME");
    return (home && home[0] == '/' ? std::string(home) : LGetUserHomeDirectory()) + "/.config";
}

bool KeepsItsName(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':' || c >= 0x80;
}

// An element name that reads back as written. Different names give different element names
// (a lone "%" stands for the empty name), up to the reader's 259-byte limit.
std::string ElementName(const std::string& name) {
    if (name.empty()) {
        return "%";
    }
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeepsItsName(byte)) {
            encoded.push_back(c);
        } else {
            encoded += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return encoded.substr(0, kElementNameLimit);
}

// Section and key elements of a composed key, split at its first slash.
std::pair<std::string, std::string> ElementNames(const std::string& composedKey) {
    const std::size_t slash = composedKey.find('/');
    if (slash == std::string::npos) {
        return {ElementName(composedKey), ElementName("")};
    }
    return {ElementName(composedKey.substr(0, slash)), ElementName(composedKey.substr(slash + 1))};
}

// Another copy of the program may be creating the same folders right now, which makes a pass
// give up at the level it lost; each further pass starts below the levels that now exist.
bool MakeFolder(const std::string& folder) {
    for (int pass = 0; pass < 16 && !LFolderExists(folder); ++pass) {
        LFolderCreateWithParents(folder, 0700);
    }
    return LFolderExists(folder);
}

}  // namespace

std::string LUserSettingsFolder() {
    return ConfigHome() + "/zel";
}

std::string LUserSettingsPath() {
    return LUserSettingsFolder() + "/preferences.xml";
}

bool LUserSettingsRead(const std::string& composedKey, std::string& value) {
    LXMLElement document;
    std::string error;
    document.Load(LUserSettingsPath(), error);
    const auto [section, key] = ElementNames(composedKey);
    const LXMLElement* sectionElement = document.FindChild(section);
    const LXMLElement* keyElement = sectionElement ? sectionElement->FindChild(key) : nullptr;
    const char* stored = keyElement ? keyElement->GetAttribute("value", nullptr) : nullptr;
    if (!stored) {
        return false;
    }
    value = stored;
    return true;
}

bool LUserSettingsWrite(const std::string& composedKey, const std::string& value) {
    const std::string folder = LUserSettingsFolder();
    if (!MakeFolder(folder)) {
        return false;
    }
    const LSettingsFileLock lock(folder + "/preferences.xml.lock");
    if (!lock.IsLocked()) {
        return false;
    }
    const std::string path = LUserSettingsPath();
    LXMLElement document;
    std::string error;
    if (!document.Load(path, error) && LFileExists(path)) {
        return false;
    }
    const auto [section, key] = ElementNames(composedKey);
    document.GetOrAddChild(section).GetOrAddChild(key).SetAttribute("value", value);
    return LSettingsFileReplace(path, document);
}
