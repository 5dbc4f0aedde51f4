#include "LPasswordStrength.h"

#include <algorithm>

namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

LPasswordStrength LRatePassword(const std::string& password) {
    const bool hasDigit = std::any_of(password.begin(), password.end(), [](char c) {
        return IsDigit(static_cast<unsigned char>(c));
    });
    const bool hasSymbol = std::any_of(password.begin(), password.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return !IsDigit(byte) && !IsLetter(byte);
    });
    const int score = int{hasDigit} + int{hasSymbol} + int{password.size() > 5};
    return score <= 1 ? LPasswordStrengthWeak
                      : (score == 2 ? LPasswordStrengthMedium : LPasswordStrengthStrong);
}

LColour LPasswordStrengthColour(LPasswordStrength strength) {
    switch (strength) {
        case LPasswordStrengthMedium:
            return kLStrengthColourMedium;
        case LPasswordStrengthStrong:
            return kLStrengthColourStrong;
        default:
            return kLStrengthColourWeak;
    }
}

const char* LPasswordStrengthText(LPasswordStrength strength) {
    switch (strength) {
        case LPasswordStrengthMedium:
            return "Strength: Medium";
        case LPasswordStrengthStrong:
            return "Strength: Strong";
        default:
            return "Strength: Weak";
    }
}
