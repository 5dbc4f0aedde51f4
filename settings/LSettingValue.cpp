#include "LSettingValue.h"

#include <climits>
#include <cstdlib>

#include "LUTF8.h"

bool LSettingTextToBool(std::string_view text, bool defaultValue) {
    return text.empty() ? defaultValue : text[0] != '0';
}

int LSettingTextToInt(const std::string& text, int defaultValue) {
    if (text.empty()) {
        return defaultValue;
    }
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

int LSettingClamp(int value, int minimum, int maximum) {
    if (value <= minimum) {
        return minimum;
    }
    if (value >= maximum) {
        return maximum;
    }
    return value;
}

std::string LSettingCutBytes(std::string_view text) {
    return std::string(text.substr(0, kSettingValueLimit));
}

std::string LSettingCutUTF8(const std::string& text) {
    char buffer[kSettingValueLimit + 1];
    const std::size_t copied = LUTF8CopyBounded(buffer, sizeof buffer, text.c_str());
    return std::string(buffer, copied);
}
