#include "LBase64.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bytes that use most of the alphabet; line k of their Base64 text holds bytes 57k to 57k+56.
std::vector<unsigned char> Sample(size_t size) {
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    }
    return bytes;
}

const std::string kLine1 =
    "AwoRGB8mLTQ7QklQV15lbHN6gYiPlp2kq7K5wMfO1dzj6vH4/wYNFBsiKTA3PkVMU1phaG92fYSL";
const std::string kLine2 =
    "kpmgp661vMPK0djf5u30+wIJEBceJSwzOkFIT1ZdZGtyeYCHjpWco6qxuL/GzdTb4unw9/4FDBMa";
const std::string kFirst56 = kLine1.substr(0, 72) + "fYQ=";
const std::string kCrLf = "\r\n";

std::string Encode(size_t size, unsigned flags) {
    const std::vector<unsigned char> bytes = Sample(size);
    LStringLongTemplate<char> text = "left over";
    LBase64Encode(bytes.data(), bytes.size(), text, flags);
    return text;
}

std::vector<unsigned char> Decode(const std::string& text) {
    LSizedArray<unsigned char> bytes = {1, 2, 3};
    LBase64Decode(LStringLongTemplate<char>(text), bytes);
    return bytes;
}

}  // namespace

TEST(Base64, EncodesInLinesOf76WithPaddingUnlessFlagged) {
    constexpr unsigned kNoPad = LBase64FlagNoPadding;
    constexpr unsigned kOneLine = LBase64FlagNoLineBreaks;
    const struct Case {
        size_t size;
        unsigned flags;
        std::string expected;
    } cases[] = {
        {0, 0, ""},
        {0, kNoPad | kOneLine, ""},
        {1, 0, "Aw=="},
        {1, kNoPad, "Aw"},
        {2, 0, "Awo="},
        {2, kNoPad, "Awo"},
        {3, 0, "AwoR"},
        {3, kNoPad | kOneLine, "AwoR"},
        {56, 0, kFirst56},
        {56, kNoPad, kFirst56.substr(0, 75)},
        {56, kOneLine, kFirst56},
        {57, 0, kLine1 + kCrLf},
        {57, kNoPad, kLine1 + kCrLf},
        {57, kOneLine, kLine1},
        {58, 0, kLine1 + kCrLf + "kg=="},
        {58, kNoPad, kLine1 + kCrLf + "kg"},
        {58, kOneLine, kLine1 + "kg=="},
        {58, kNoPad | kOneLine, kLine1 + "kg"},
        {114, 0, kLine1 + kCrLf + kLine2 + kCrLf},
        {114, kOneLine, kLine1 + kLine2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Encode(c.size, c.flags), c.expected) << c.size << " bytes, flags " << c.flags;
    }
}

TEST(Base64, NullDataGivesTheEmptyText) {
    LStringLongTemplate<char> text = "old";
    LBase64Encode<char>(nullptr, 10, text, 0);
    EXPECT_EQ(text, "");
}

TEST(Base64, DecodesWhatItEncodedWithEveryFlag) {
    for (size_t size = 0; size <= 200; ++size) {
        for (unsigned flags = 0; flags < 4; ++flags) {
            EXPECT_EQ(Decode(Encode(size, flags)), Sample(size))
                << size << " bytes, flags " << flags;
        }
    }
}

TEST(Base64, DecodingSkipsWhatIsNotInTheAlphabet) {
    const std::vector<unsigned char> abc = {'A', 'B', 'C'};
    const std::vector<unsigned char> abcd = {'A', 'B', 'C', 'D'};
    const struct Case {
        std::string text;
        std::vector<unsigned char> expected;
    } cases[] = {
        {"QUJD", abc},
        {"QU\r\nJD", abc},
        {" Q U J D \n", abc},
        {"QUJDRA==", abcd},
        {"QUJDRA", abcd},
        {"QUJDRA=\r\n=", abcd},
        {"QUJDREU", {'A', 'B', 'C', 'D', 'E'}},
        {"QUJDR", abc},  // a lone last character gives nothing
        {"====", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decode(c.text), c.expected) << c.text;
    }
}

TEST(Base64, DecodingStopsAtAZeroByteBetweenGroups) {
    const std::string between("QUJD\0QUJD", 9);
    const std::string inside("QU\0JD", 5);
    EXPECT_EQ(Decode(between), (std::vector<unsigned char>{'A', 'B', 'C'}));
    EXPECT_EQ(Decode(inside), (std::vector<unsigned char>{'A', 'B', 'C'}));
}
