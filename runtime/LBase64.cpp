#include "LBase64.h"

#include <array>

namespace {

constexpr size_t kGroupsPerLine = 19;
constexpr signed char kNotInAlphabet = -1;

constexpr std::array<signed char, 256> MakeDecodingTable() {
    std::array<signed char, 256> table{};
    table.fill(kNotInAlphabet);
    for (int i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(s_chBase64EncodingTable[i])] = static_cast<signed char>(i);
    }
    return table;
}

// Encodes count (1 to 3) bytes into count + 1 characters.
void AppendGroup(const unsigned char* bytes, size_t count, std::string& text) {
    const unsigned int b0 = bytes[0];
    const unsigned int b1 = count > 1 ? bytes[1] : 0;
    const unsigned int b2 = count > 2 ? bytes[2] : 0;
    const unsigned int bits = (b0 << 16) | (b1 << 8) | b2;
    for (size_t i = 0; i <= count; ++i) {
        text.push_back(s_chBase64EncodingTable[(bits >> (18 - 6 * i)) & 0x3F]);
    }
}

// Appends the bytes of a group of count (2 to 4) six-bit values.
void AppendDecoded(const unsigned char* values, size_t count, std::vector<unsigned char>& bytes) {
    unsigned int bits = 0;
    for (size_t i = 0; i < 4; ++i) {
        bits = (bits << 6) | (i < count ? values[i] : 0);
    }
    for (size_t i = 0; i + 1 < count; ++i) {
        bytes.push_back(static_cast<unsigned char>(bits >> (16 - 8 * i)));
    }
}

}  // namespace

template <>
void LBase64Encode<char>(const void* data, size_t length, LStringLongTemplate<char>& text,
                         unsigned flags) {
    text.clear();
    if (data == nullptr) {
        return;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    const size_t groups = length / 3;
    text.reserve(length / 3 * 4 + length / 57 * 2 + 4);
    for (size_t group = 0; group < groups; ++group) {
        AppendGroup(bytes + group * 3, 3, text);
        if ((flags & LBase64FlagNoLineBreaks) == 0 && (group + 1) % kGroupsPerLine == 0) {
            text.append("\r\n");
        }
    }
    const size_t rest = length % 3;
    if (rest > 0) {
        AppendGroup(bytes + groups * 3, rest, text);
        if ((flags & LBase64FlagNoPadding) == 0) {
            text.append(3 - rest, '=');
        }
    }
}

template <>
void LBase64Decode<char>(const LStringLongTemplate<char>& text, LSizedArray<unsigned char>& bytes) {
    static constexpr std::array<signed char, 256> table = MakeDecodingTable();
    bytes.clear();
    bytes.reserve((text.size() + 3) / 4 * 3);
    unsigned char values[4];
    size_t count = 0;
    for (const char c : text) {
        if (c == 0 && count == 0) {
            break;
        }
        const signed char value = table[static_cast<unsigned char>(c)];
        if (value == kNotInAlphabet) {
            continue;
        }
        values[count++] = static_cast<unsigned char>(value);
        if (count == 4) {
            AppendDecoded(values, 4, bytes);
            count = 0;
        }
    }
    if (count >= 2) {
        AppendDecoded(values, count, bytes);
    }
}
