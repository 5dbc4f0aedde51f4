#include "LStringLongTemplateWriter.h"
#include "LURIEncode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Encode(const char* text) {
    char buffer[LTextBufferSize];
    LURIEncode(buffer, text);
    return buffer;
}

}  // namespace

TEST(URIEncode, EscapesAllButLettersDigitsAndFiveMarks) {
    const struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"/Users/me/My File.zel", "%2FUsers%2Fme%2FMy%20File.zel"},
        {"AZaz09-_.!~", "AZaz09-_.!~"},
        {"a+b=c&d?e#f'g", "a%2Bb%3Dc%26d%3Fe%23f%27g"},
        {"\xC3\xBC\x01\x7F\xFF", "%C3%BC%01%7F%FF"},
        {"", ""},
        {nullptr, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Encode(c.text), c.expected);
    }
}

TEST(URIEncode, KeepsAtMost259CharactersAndCutsTheLastEscape) {
    const std::string plain(300, 'a');
    EXPECT_EQ(Encode(plain.c_str()), plain.substr(0, 259));

    const std::string spaced = std::string(257, 'a') + " b";
    EXPECT_EQ(Encode(spaced.c_str()), std::string(257, 'a') + "%2");
}

TEST(URIEncode, WriterFormIsUnbounded) {
    const std::string spaced = std::string(300, 'a') + " b";
    LStringLongTemplate<char> text;
    LStringLongTemplateWriter<char> writer(text);
    LURIEncodeToWriterDirect(writer, spaced.c_str());
    EXPECT_EQ(text, std::string(300, 'a') + "%20b");
}
