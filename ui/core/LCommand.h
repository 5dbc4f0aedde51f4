#pragma once

#include <cstdint>

// Commands are plain ints. The standard ones are four-character codes read as 32-bit
// big-endian integers, so 'ok  ' is 0x6F6B2020.
constexpr int LFourCharCode(const char (&code)[5]) {
    return static_cast<int>((static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
                            (static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
                            (static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
                            static_cast<uint32_t>(static_cast<unsigned char>(code[3])));
}

constexpr int kLCommandOK = LFourCharCode("ok  ");
constexpr int kLCommandCancel = LFourCharCode("not!");
constexpr int kLCommandHelp = LFourCharCode("ahlp");
constexpr int kLCommandBack = LFourCharCode("Back");
constexpr int kLCommandNext = LFourCharCode("Next");
constexpr int kLCommandOther = LFourCharCode("othr");

// The standard edit and window commands of the menus; only these reach a dialog's Command
// from a menu.
constexpr int kLCommandCut = LFourCharCode("cut ");
constexpr int kLCommandCopy = LFourCharCode("copy");
constexpr int kLCommandPaste = LFourCharCode("past");
constexpr int kLCommandSelectAll = LFourCharCode("sall");
constexpr int kLCommandUndo = LFourCharCode("undo");
constexpr int kLCommandRedo = LFourCharCode("redo");
constexpr int kLCommandClose = LFourCharCode("clos");
constexpr int kLCommandMinimize = LFourCharCode("mini");
constexpr int kLCommandZoom = LFourCharCode("zoom");
constexpr int kLCommandBringAllToFront = LFourCharCode("frnt");
constexpr int kLCommandQuit = LFourCharCode("quit");
constexpr int kLCommandPreferences = LFourCharCode("pref");

// A code made of four decimal digits ('2002') is the number it spells (2002), so buttons and
// menu items can carry plain numbers; every other code is returned unchanged.
int LCommandNumber(int code);

// Whether a menu command is one of the standard edit and window commands above.
bool LCommandIsStandardMenuCommand(int code);
