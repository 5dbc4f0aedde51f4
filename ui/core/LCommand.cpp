#include "LCommand.h"

#include <algorithm>
#include <array>

int LCommandNumber(int code) {
    const auto bits = static_cast<uint32_t>(code);
    int number = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<char>((bits >> shift) & 0xFF);
        if (c < '0' || c > '9') {
            return code;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

bool LCommandIsStandardMenuCommand(int code) {
    static constexpr std::array kStandard{
        kLCommandCut,   kLCommandCopy,
        kLCommandPaste, kLCommandSelectAll,
        kLCommandUndo,  kLCommandRedo,
        kLCommandClose, kLCommandMinimize,
        kLCommandZoom,  kLCommandBringAllToFront,
        kLCommandQuit,  kLCommandPreferences,
    };
    return std::find(kStandard.begin(), kStandard.end(), code) != kStandard.end();
}
