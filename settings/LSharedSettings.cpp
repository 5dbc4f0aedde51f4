#include "LSharedSettings.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "LFileDescriptor.h"
#include "LSettingValue.h"
#include "LStandardFolders.h"
#include "LXMLElement.h"

namespace {

LXMLElement LoadSharedDocument() {
    LXMLElement document;
    std::string ignoredError;
    document.Load(GetSharedFileWithinSharedFolder(), ignoredError);
    return document;
}

}  // namespace

std::string GetSharedFileWithinSharedFolder() {
    return GetSharedFolder() + "/SharedSettings.xml";
}

void LSharedSettingGet(std::string_view section, std::string_view key, const char* defaultText,
                       std::string& value) {
    const LXMLElement document = LoadSharedDocument();
    const LXMLElement* sectionElement = document.FindChild(section);
    const LXMLElement* keyElement = sectionElement ? sectionElement->FindChild(key) : nullptr;
    const char* fallback = defaultText ? defaultText : "";
    value = LSettingCutBytes(keyElement ? keyElement->GetAttribute("value", fallback) : fallback);
}

template <>
int LSharedSettingGet<int>(std::string_view section, std::string_view key, int defaultValue) {
    std::string text;
    LSharedSettingGet(section, key, "", text);
    return LSettingTextToInt(text, defaultValue);
}

void LSharedSettingSet(std::string_view section, std::string_view key, std::string_view text) {
    LXMLElement document = LoadSharedDocument();
    document.GetOrAddChild(section).GetOrAddChild(key).SetAttribute("value", text);
    LFileDescriptor fd(::open(GetSharedFileWithinSharedFolder().c_str(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666));
    // Another copy rewriting the file right now wins; this change is dropped.
    if (!fd.IsOpen() || flock(fd.Get(), LOCK_EX | LOCK_NB) != 0 || ftruncate(fd.Get(), 0) != 0) {
        return;
    }
    document.Write(fd.Get());
}

template <>
void LSharedSettingSet<int>(std::string_view section, std::string_view key, int value) {
    LSharedSettingSet(section, key, std::to_string(value));
}
