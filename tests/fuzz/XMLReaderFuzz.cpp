// libFuzzer target: the XML reader must take any bytes without crashing, leaking or reading out
// of bounds, and the writer and lookups must work on whatever tree it built.
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
    (void)document.WriteToString();
    if (const LXMLElement* first = document.FindChild("")) {
        (void)first->GetText();
    }
    document.GetOrAddChild("Settings").GetOrAddChild("Key").SetAttribute("value", "1");
    (void)document.WriteToString();
    return 0;
}
