#include "LUTF8.h"

#include <gtest/gtest.h>

#include <string>

TEST(UTF8, EncodesOneToFourBytesAndReplacesNonCharacters) {
    const struct Case {
        std::u32string codePoints;
        std::string expected;
        bool allCharacters;
    } cases[] = {
        {U"", "", true},
        {U"A\u007F", "A\x7F", true},
        {U"\u0080\u07FF", "\xC2\x80\xDF\xBF", true},
        {U"\u0800\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBF", true},
        {U"\U00010000\U0010FFFF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", true},
        {{U'a', 0x110000, U'b'},
         "a\xEF\xBF\xBD"
         "b",
         false},
        {{0xD800}, "\xEF\xBF\xBD", false},
        {{0xFFFFFFFF}, "\xEF\xBF\xBD", false},
    };
    for (const Case& c : cases) {
        std::string text = "old";
        EXPECT_EQ(LUTF8Encode(c.codePoints, text), c.allCharacters) << c.expected;
        EXPECT_EQ(text, c.expected);
    }
}

TEST(UTF8, DecodingEndsAtTheFirstInvalidSequence) {
    const struct Case {
        const char* name;
        std::string text;
        std::u32string expected;
        bool valid;
        size_t bytesRead;
    } cases[] = {
        {"ASCII", "abc", U"abc", true, 3},
        {"every length", "a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80", U"a\u00FC\u20AC\U0001F600", true,
         10},
        {"empty", "", U"", true, 0},
        {"stray continuation",
         "ab\x80"
         "c",
         U"ab", false, 2},
        {"overlong two bytes", "a\xC0\xAF", U"a", false, 1},
        {"overlong three bytes", "\xE0\x80\xAF", U"", false, 0},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", U"", false, 0},
        {"surrogate", "x\xED\xA0\x80", U"x", false, 1},
        {"above U+10FFFF", "\xF4\x90\x80\x80", U"", false, 0},
        {"five-byte lead", "\xF8\x88\x80\x80\x80", U"", false, 0},
        {"cut short", "ok\xE2\x82", U"ok", false, 2},
        {"missing continuation",
         "\xC3"
         "A",
         U"", false, 0},
        {"zero byte is a character", std::string("a\0b", 3), std::u32string(U"a\0b", 3), true, 3},
    };
    for (const Case& c : cases) {
        std::u32string codePoints = U"old";
        const LUTF8DecodeResult result = LUTF8Decode(c.text, codePoints);
        EXPECT_EQ(result.valid, c.valid) << c.name;
        EXPECT_EQ(result.bytesRead, c.bytesRead) << c.name;
        EXPECT_EQ(codePoints, c.expected) << c.name;
    }
}

TEST(UTF8, BoundedCopyNeverSplitsASequence) {
    const struct Case {
        const char* text;
        size_t size;
        std::string expected;
    } cases[] = {
        {"abc", 10, "abc"},
        {"abc", 3, "ab"},
        {"a\xC3\xBC", 3, "a"},  // the two-byte character needs room for its zero too
        {"a\xC3\xBC", 4, "a\xC3\xBC"},
        {"\xE2\x82\xAC\xE2\x82\xAC", 6, "\xE2\x82\xAC"},
        {"\xF0\x9F\x98\x80", 4, ""},
        {"\xFC\x84\x80\x80\x80\x80z", 7, "\xFC\x84\x80\x80\x80\x80"},  // six-byte lead
        {"\xF8\x88\x80\x80\x80z", 6, "\xF8\x88\x80\x80\x80"},          // five-byte lead
        {"ab\xE2", 10, "ab\xE2"},  // cut short by the text's end: nothing past it is read
        {"\x80\x80", 2, "\x80"},   // a continuation byte alone counts as one
        {nullptr, 5, ""},
        {"abc", 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        EXPECT_EQ(LUTF8CopyBounded(buffer, c.size, c.text), c.expected.size()) << c.expected;
        EXPECT_EQ(std::string(buffer), c.expected);
    }
    char untouched = 'x';
    EXPECT_EQ(LUTF8CopyBounded(&untouched, 0, "abc"), 0u);
    EXPECT_EQ(untouched, 'x');
}

TEST(UTF8, ACutCopyIsStillValidUTF8) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80";  // 9 bytes: two, three and four
    }
    for (size_t size = 1; size <= 300; ++size) {
        char buffer[300];
        const size_t copied = LUTF8CopyBounded(buffer, size, text.c_str());
        std::u32string codePoints;
        EXPECT_TRUE(LUTF8Decode(std::string_view(buffer, copied), codePoints).valid) << size;
        EXPECT_GT(copied + 4, size - 1) << size;  // cut at most one sequence short
    }
}
