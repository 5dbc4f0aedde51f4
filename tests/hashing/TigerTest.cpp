#include <gtest/gtest.h>

#include <string>

#include "LTiger.h"

namespace {

std::string TigerText(const std::string& data, size_t piece) {
    LTigerContext context;
    LTigerInit(context);
    for (size_t at = 0; at < data.size(); at += piece) {
        LTigerUpdate(context, data.data() + at, std::min(piece, data.size() - at));
    }
    char result[49];
    LTigerFinal(context, result);
    return result;
}

// The first definition pads with 0x01; each result word is written least significant byte
// first (the reference program prints the empty digest as 24F0130C63AC9332 ...).
TEST(Tiger, EmptyAndAbcGiveThePublishedTexts) {
    EXPECT_EQ(TigerText("", 64), "3293ac630c13f0245f92bbb1766e16167a4e58492dde73f3");
    EXPECT_EQ(TigerText("abc", 64), "2aab1484e8c158f2bfb8c5ff41b57a525129131c957b5f93");
}

TEST(Tiger, PiecewiseUpdatesEqualOneUpdate) {
    std::string data;
    for (int i = 0; i < 300; ++i) {
        data.push_back(static_cast<char>(i * 31 + 5));
    }
    for (size_t length : {55, 56, 57, 64, 65, 120, 300}) {
        const std::string part = data.substr(0, length);
        const std::string whole = TigerText(part, part.size() + 1);
        for (size_t piece : {1, 9, 64, 65}) {
            EXPECT_EQ(TigerText(part, piece), whole) << "length " << length << " piece " << piece;
        }
    }
}

}  // namespace
