#include "LStringReplace.h"
#include "LStringTrim.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <class Edit>
std::string Edited(Edit edit, std::string text) {
    edit(text.data());
    return text.c_str();
}

}  // namespace

TEST(StringTrim, SpacesOrFormattingOnly) {
    const struct Case {
        void (*edit)(char*);
        const char* text;
        const char* expected;
    } cases[] = {
        {LStringTrim, "  both ends  ", "both ends"},
        {LStringTrim, "\tleading tab ", "\tleading tab"},
        {LStringTrim, "   ", ""},
        {LStringTrim, "", ""},
        {LStringTrimFormatting, "\t\r\n text \r\n", " text "},
        {LStringTrimFormatting, "\x01\x1F", ""},
        {LStringRemoveLeadingFormatting, "\r\nx\r\n", "x\r\n"},
        {LStringRemoveTrailingFormatting, "\r\nx\r\n", "\r\nx"},
        {LStringTrimFormatting, "\xC3\xBC", "\xC3\xBC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Edited(c.edit, c.text), c.expected) << '"' << c.text << '"';
    }
    LStringTrim(nullptr);
    LStringTrimFormatting(nullptr);
}

TEST(StringReplace, ReplacesTextWithoutRescanning) {
    const struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        const char* expected;
    } cases[] = {
        {"a-b-c", "-", "--", "a--b--c"},
        {"aaaa", "aa", "a", "aa"},
        {"aaa", "aa", "b", "ba"},
        {"x%NAME%y%NAME%", "%NAME%", "Zel", "xZelyZel"},
        {"abc", "", "z", "abc"},
        {"abc", nullptr, "z", "abc"},
        {"abcb", "b", nullptr, "ac"},
        {"abc", "abcd", "z", "abc"},
        {"", "a", "b", ""},
    };
    for (const Case& c : cases) {
        LStringLongTemplate<char> text = c.text;
        LReplaceText(text, c.pattern, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(StringReplace, ReplacesAndRemovesSingleBytes) {
    EXPECT_EQ(Edited([](char* t) { LStringReplaceChar(t, '\\', '/'); }, "a\\b\\c"), "a/b/c");
    EXPECT_EQ(Edited([](char* t) { LStringReplaceChar(t, 'a', 'a'); }, "aaa"), "aaa");
    EXPECT_EQ(Edited([](char* t) { LStringReplaceChar(t, ',', 0); }, "a,b,c"), "a");
    EXPECT_EQ(Edited([](char* t) { LStringRemoveChar(t, '\r'); }, "\ra\r\nb\r"), "a\nb");
    EXPECT_EQ(Edited([](char* t) { LStringRemoveChar(t, 'x'); }, "xxx"), "");
    LStringReplaceChar(nullptr, 'a', 'b');
    LStringRemoveChar(nullptr, 'a');
}
