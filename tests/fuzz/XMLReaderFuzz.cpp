// libFuzzer target: the XML reader must take any bytes without crashing, leaking or reading
// out of bounds, and its own output must read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "LXMLElement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    LXMLElement document;
    std::string error;
    document.Parse(input.c_str(), error);
    if (error.size() > 259) {
        __builtin_trap();
    }
    const std::string written = document.WriteToString();
    LXMLElement again;
    again.Parse(written.c_str(), error);
    again.GetOrAddChild("Settings").GetOrAddChild("Key").SetAttribute("value", "1");
    if (const LXMLElement* first = again.FindChild("")) {
        (void)first->GetText();
    }
    (void)again.WriteToString();
    return 0;
}
