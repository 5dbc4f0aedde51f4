#include "LFixedLengthStringWriterTemplate.h"
#include "LStringFormat.h"
#include "LStringLongTemplate.h"
#include "LStringLongTemplateWriter.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

namespace {

std::string Format(const char* format, ...) {
    LStringLongTemplate<char> text;
    LStringLongTemplateWriter<char> writer(text);
    va_list args;
    va_start(args, format);
    tplprintf(writer, format, args);
    va_end(args);
    return text;
}

template <class Writer>
size_t FormatTo(Writer& writer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const size_t length = tplprintf(writer, format, args);
    va_end(args);
    return length;
}

}  // namespace

TEST(StringFormat, FormatsAsTheProgramsPrintf) {
    int untouched = 12345;
    const std::string hugeWidth = "%" + std::string(300, '9') + "d";
    const struct Case {
        std::string actual;
        const char* expected;
    } cases[] = {
        {Format("plain text"), "plain text"},
        {Format("100%% sure"), "100% sure"},
        {Format("ends with %"), "ends with "},
        {Format("[%s]", "abc"), "[abc]"},
        {Format("[%s]", static_cast<const char*>(nullptr)), "[]"},
        {Format("[%5s]", "ab"), "[ab]"},  // a text is copied as it is
        {Format("%d", -42), "-42"},
        {Format("%u", 4294967295u), "4294967295"},
        {Format("[%5d]", 42), "[   42]"},
        {Format("%05d", 42), "00042"},
        {Format("%.3d", 7), "007"},
        {Format("%x %X %02X", 255, 255, 10), "ff FF 0A"},
        {Format("%c%c", 'o', 'k'), "ok"},
        {Format("%f", 1.5), "1.500000"},
        {Format("%.2f", 3.14159), "3.14"},
        {Format("[%8.3f]", 2.5), "[   2.500]"},
        {Format("%g", 0.5), "0.5"},
        {Format("%1.2.3f", 1.0), "1.00"},  // a second "." and what follows are dropped
        {Format("[%-5d]", 7), "[5d]"},     // no flags: "-" takes the number and writes nothing
        {Format("%s=%d (%x) %s", "key", 10, 10, "end"), "key=10 (a) end"},
        {Format("a%nb", &untouched), "ab"},
        {Format(hugeWidth.c_str(), 1), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(untouched, 12345);
}

TEST(StringFormat, ReturnsTheWritersLength) {
    char buffer[6];
    LFixedLengthStringWriterTemplate<char> fixed(buffer, 5);
    EXPECT_EQ(FormatTo(fixed, "%s-%d", "abcdef", 12), 5u);
    EXPECT_STREQ(buffer, "abcde");

    LStringLongTemplate<char> text = "ab";
    LStringLongTemplateWriter<char> writer(text);
    EXPECT_EQ(FormatTo(writer, "%s", "cd"), 4u);
    EXPECT_EQ(text, "abcd");
}

TEST(StringFormat, StringSprintfReplacesAndTsprintfappendAppends) {
    LStringLongTemplate<char> text = "old";
    text.sprintf("%s %d", "new", 1);
    EXPECT_EQ(text, "new 1");
    text.tsprintfappend(", %s %d", "more", 2);
    EXPECT_EQ(text, "new 1, more 2");
}
