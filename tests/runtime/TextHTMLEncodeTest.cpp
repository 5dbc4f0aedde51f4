#include "LHTMLEncode.h"
#include "LStringLongTemplateWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <class Encode>
std::string EncodeWith(Encode encode, const char* text) {
    LStringLongTemplate<char> out = "before:";
    LStringLongTemplateAppender<char> appender(out);
    encode(appender, text);
    return out;
}

std::string Simple(const char* text) {
    return EncodeWith(LHTMLEncodeToWriterSimple<LStringLongTemplateAppender<char>>, text);
}

std::string WithEol(const char* text) {
    return EncodeWith(LHTMLEncodeToWriterSimpleWithEol<LStringLongTemplateAppender<char>>, text);
}

}  // namespace

TEST(TextHTMLEncode, EscapesTheFourMarkupCharacters) {
    EXPECT_EQ(Simple("<a href=\"x\">Tom & Jerry's</a>"),
              "before:&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry's&lt;/a&gt;");
    EXPECT_EQ(Simple("line\r\nnext\xC3\xBC"), "before:line\r\nnext\xC3\xBC");
    EXPECT_EQ(Simple(nullptr), "before:");
}

TEST(TextHTMLEncode, WithEolWritesEveryLineBreakAsOneLineFeed) {
    const struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"a\r\nb", "before:a\nb"},         {"a\rb\nc", "before:a\nb\nc"},
        {"a\n\r\n\rb", "before:a\n\n\nb"}, {"\r\n\r\n", "before:\n\n"},
        {"x<y\r", "before:x&lt;y\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithEol(c.text), c.expected);
    }
}
