#pragma once

#include "LControl.h"

#include <string>

enum LPasswordStrength {
    LPasswordStrengthWeak = 0,
    LPasswordStrengthMedium = 1,
    LPasswordStrengthStrong = 2,
};

inline constexpr LColour kLStrengthColourWeak{0xFF00, 0, 0};
inline constexpr LColour kLStrengthColourMedium{0xFF00, 0xBF00, 0};
inline constexpr LColour kLStrengthColourStrong{0, 0x8000, 0};

// One point each for a digit, for a symbol (anything but an ASCII letter or digit: spaces,
// punctuation, every byte outside ASCII) and for a length of at least 6 bytes; 0 or 1 points
// are weak, 2 medium, 3 strong. Letter case does not count.
LPasswordStrength LRatePassword(const std::string& password);

LColour LPasswordStrengthColour(LPasswordStrength strength);

// "Strength: Weak", "Strength: Medium" or "Strength: Strong".
const char* LPasswordStrengthText(LPasswordStrength strength);
