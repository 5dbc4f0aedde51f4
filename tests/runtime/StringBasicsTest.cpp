#include "LStringBasics.h"

#include <gtest/gtest.h>

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

TEST(StringBasics, ComparesBytesAndIgnoresASCIICaseOnRequest) {
    const struct Case {
        const char* a;
        const char* b;
        int strcmpSign;
        int stricmpSign;
    } cases[] = {
        {"abc", "abc", 0, 0},
        {"abc", "ABC", 1, 0},
        {"abc", "abd", -1, -1},
        {"ab", "abc", -1, -1},
        {"Zel", "zEL", -1, 0},
        {"a\xC3", "a\x41", 1, 1},
        {"\xC3\xBC", "\xC3\x9C", 1, 1},  // only ASCII letters fold
        {nullptr, "", 0, 0},
        {nullptr, "a", -1, -1},
        {"[", "A", 1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(tstrcmp(c.a, c.b)), c.strcmpSign) << (c.a ? c.a : "(null)") << " " << c.b;
        EXPECT_EQ(Sign(tstricmp(c.a, c.b)), c.stricmpSign) << (c.a ? c.a : "(null)") << " " << c.b;
    }
}

TEST(StringBasics, LengthsAndBoundedCopies) {
    EXPECT_EQ(tstrlen("four"), 4u);
    EXPECT_EQ(tstrbytes(u"four"), 8u);
    EXPECT_EQ(lstrlen(nullptr), 0u);

    char small[4];
    tstrcpy(small, "abcdef");
    EXPECT_STREQ(small, "abc");
    tstrcpy(small, static_cast<const char*>(nullptr));
    EXPECT_STREQ(small, "");

    char exact[4] = {'x', 'x', 'x', 'x'};
    tstrcpy(exact, 3, "ab");
    EXPECT_STREQ(exact, "ab");
}
