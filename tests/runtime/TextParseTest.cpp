#include "LStringParserTemplate.h"
#include "LTextParse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Cut {
    size_t scanned;
    std::string kept;
};

template <class Parse>
Cut CutWith(Parse parse) {
    char buffer[LTextBufferSize];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    const size_t scanned = parse(buffer);
    return {scanned, buffer};
}

}  // namespace

TEST(TextParse, BufferFormsCountTheWholePieceAndKeep259) {
    const std::string longWord(300, 'w');
    const std::string longLine = longWord + " rest";
    const struct Case {
        const char* name;
        Cut actual;
        size_t scanned;
        std::string kept;
    } cases[] = {
        {"to character", CutWith([](auto& b) { return LParseGetToCharacter("key=value", '=', b); }),
         3, "key"},
        {"character missing", CutWith([](auto& b) { return LParseGetToCharacter("abc", ';', b); }),
         3, "abc"},
        {"character, long",
         CutWith([&](auto& b) { return LParseGetToCharacter(longWord.c_str(), ';', b); }), 300,
         longWord.substr(0, 259)},
        {"null text", CutWith([](auto& b) { return LParseGetToCharacter(nullptr, ';', b); }), 0,
         ""},
        {"to characters",
         CutWith([](auto& b) { return LParseGetToCharacters("name:port/path", "/:", b); }), 4,
         "name"},
        {"to white space", CutWith([](auto& b) { return LParseGetToWhiteSpace("word\tnext", b); }),
         4, "word"},
        {"high bytes are no white space", CutWith([](auto& b) {
             return LParseGetToWhiteSpace(
                 "gr\xC3\xBC\xC3\x9F"
                 "e x",
                 b);
         }),
         7,
         "gr\xC3\xBC\xC3\x9F"
         "e"},
        {"and skip it",
         CutWith([](auto& b) { return LParseGetToWhiteSpaceAndSkipIt("250 \t\r\nnext", b); }), 7,
         "250"},
        {"skip it to the end",
         CutWith([](auto& b) { return LParseGetToWhiteSpaceAndSkipIt("end  ", b); }), 5, "end"},
        {"end of line, CR",
         CutWith([](auto& b) { return LParseGetToEndOfLine("line\r\nnext", b); }), 4, "line"},
        {"end of line, LF", CutWith([](auto& b) { return LParseGetToEndOfLine("\nnext", b); }), 0,
         ""},
        {"end of line, long",
         CutWith([&](auto& b) { return LParseGetToEndOfLine(longLine.c_str(), b); }), 305,
         longLine.substr(0, 259)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.actual.scanned, c.scanned) << c.name;
        EXPECT_EQ(c.actual.kept, c.kept) << c.name;
    }
}

TEST(TextParse, StringFormsKeepEverything) {
    const std::string longLine(1000, 'l');
    LStringLongTemplate<char> text = "old";
    EXPECT_EQ(LParseGetToEndOfLine((longLine + "\r\nx").c_str(), text), 1000u);
    EXPECT_EQ(text, longLine);
    EXPECT_EQ(LParseGetToCharacter((longLine + ",x").c_str(), ',', text), 1000u);
    EXPECT_EQ(text, longLine);
    EXPECT_EQ(LParseGetToCharacter(nullptr, ',', text), 0u);
    EXPECT_EQ(text, "");
}

TEST(StringParser, SkipsToPatternsAndCharacters) {
    LStringParserTemplate<char> parser("HTTP/1.0 200 OK\r\nLocation: there\r\n");
    EXPECT_TRUE(parser.SkipToStringAndSkip("Location:"));
    EXPECT_STREQ(parser.GetPosition(), " there\r\n");
    parser.SkipToCharacter("\r\n");
    EXPECT_STREQ(parser.GetPosition(), "\r\n");
    EXPECT_TRUE(parser.SkipToStringAndSkip(""));
    EXPECT_STREQ(parser.GetPosition(), "\r\n");
    EXPECT_FALSE(parser.SkipToStringAndSkip("missing"));
    EXPECT_TRUE(parser.IsAtEnd());
    EXPECT_STREQ(parser.GetPosition(), "");

    LStringParserTemplate<char> other("abc");
    other.SkipToCharacter("xyz");
    EXPECT_TRUE(other.IsAtEnd());
}
