#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "LXMLElement.h"
#include "XMLTreeText.h"

namespace {

const std::string kClosing = " Check you have terminated your element properly.";
const std::string kSemicolon =
    "Strings starting with an ampersand (&) must end with a semicolon (;). Either replace the '&' "
    "with '&amp;' or add a ';' at the end of the control string.";

struct ReadCase {
    const char* what;
    std::string input;
    std::string tree;     // XMLTreeText of the document
    std::string written;  // the document written again
    std::string error;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.what;
}

class XMLRead : public testing::TestWithParam<ReadCase> {};

TEST_P(XMLRead, BuildsTreeWritesAndReports) {
    const ReadCase& c = GetParam();
    LXMLElement document;
    std::string error = "left over";
    document.Parse(c.input.c_str(), error);
    EXPECT_EQ(XMLTreeText(document), c.tree);
    EXPECT_EQ(document.WriteToString(), c.written);
    EXPECT_EQ(error, c.error);
}

const ReadCase kReadCases[] = {
    {"empty", "", "", "", ""},
    {"self-closing", "<a/>", "a", "<a/>\n", ""},
    {"declaration", R"(<?xml version="1.0" encoding="UTF-8"?>)", "?xml{version=1.0;encoding=UTF-8}",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", ""},
    {"declaration spaced before ?>", R"(<?xml v="1" ?>)", "?xml{v=1;?=}",
     "<?xml v=\"1\" ?=\"\"?>\n", ""},
    {"doctype", "<!DOCTYPE html>", "!DOCTYPE{html=}", "<!DOCTYPE html=\"\">\n", ""},
    {"cdata joins text", "<a>x<![CDATA[<b>&amp;]]>y</a>", "a[\"x<b>&amp;y\"]",
     "<a>x&lt;b&gt;&amp;amp;y</a>\n", ""},
    {"empty cdata", "<a><![CDATA[]]></a>", "a", "<a/>\n", ""},
    {"cdata keeps ] and >", "<a><![CDATA[>]]]></a>", "a[\">]\"]", "<a>&gt;]</a>\n", ""},
    {"lower-case cdata is a name", "<![cdata[x]]>", "![cdata[x]]", "<![cdata[x]]>\n", ""},
    {"comment joins text", "<a>x<!-- note -->y</a>", "a[\"xy\"]", "<a>xy</a>\n", ""},
    {"comment with dashes", "<!-- a -- b --><a/>", "a", "<a/>\n", ""},
    {"references", "<a>&#65;&#x41;&copy;&lt;&gt;&quot;&apos;&amp;&;</a>", "a[\"AA&<>\"'&&\"]",
     "<a>AA&amp;&lt;&gt;&quot;'&amp;&amp;</a>\n", ""},
    {"reference values wrap", "<a>&#321;&#x1F441;&#-191;&#x4g1;</a>", "a[\"AAAA\"]",
     "<a>AAAA</a>\n", ""},
    {"capital X reads as decimal zero", "<a>x&#X41;y</a>", "a[\"x\"]", "<a>x</a>\n", ""},
    {"23-character reference name", "<a>&aaaaaaaaaaaaaaaaaaaaaaa;</a>", "a[\"&\"]",
     "<a>&amp;</a>\n", ""},
    {"24-character reference name", "<a>x&aaaaaaaaaaaaaaaaaaaaaaaa;</a>", "a[\"x\"]", "<a>x</a>\n",
     "Ln 1, Col 30: " + kSemicolon},
    {"ampersand and space cut text", "<a>x& y<b/>z</a>", "a[\"x\" b \"z\"]",
     "<a>\nx\t<b/>\nz</a>\n", "Ln 1, Col 7: " + kSemicolon},
    {"bad reference cuts value", R"(<a v="x&bad y" w="2"/>)", "a{v=x;w=2}",
     "<a v=\"x\" w=\"2\"/>\n", "Ln 1, Col 13: " + kSemicolon},
    {"reference in value", R"(<a v="x&lt;y"/>)", "a{v=x<y}", "<a v=\"x&lt;y\"/>\n", ""},
    {"quote stretches join", R"(<a v="x"'y' w='say "hi"'/>)", "a{v=xy;w=say \"hi\"}",
     "<a v=\"xy\" w=\"say &quot;hi&quot;\"/>\n", ""},
    {"no spaces around =", R"(<a b = "c"/>)", "a{b=;c=}", "<a b=\"\" c=\"\"/>\n", ""},
    {"repeated attribute replaces", R"(<a x="1" y="2" x="3"/>)", "a{x=3;y=2}",
     "<a x=\"3\" y=\"2\"/>\n", ""},
    {"xml:space dropped", R"(<a xml:space="preserve" XML:Space="x" k=v/>)", "a{k=v}",
     "<a k=\"v\"/>\n", ""},
    {"line break in value", "<a v=\"x\r\ny\"/>", "a{v=x\ny}", "<a v=\"x\ny\"/>\n", ""},
    {"whitespace text kept, not written", "<a>\r\n\t<b/>\r\n</a>\r\n",
     "a[\"\\n\t\" b \"\\n\"] \"\\n\"", "<a>\n\t<b/>\n</a>\n", ""},
    {"line breaks in text", "<a>x\r\ny\rz\n\rw</a>", "a[\"x\\ny\\nz\\nw\"]", "<a>x\ny\nz\nw</a>\n",
     ""},
    {"blank text writes nothing", "<a> \t</a>", "a[\" \t\"]", "<a/>\n", ""},
    {"apostrophe not encoded", "<a>it's</a>", "a[\"it's\"]", "<a>it's</a>\n", ""},
    {"closing tag with spaces", "<a>t</a  ><b/>", "a[\"t\"] b", "<a>t</a>\n<b/>\n", ""},
    {"empty mark then attributes", "<a / b>", "a{b=}", "<a b=\"\"/>\n", ""},
    {"wrong closing name", "<a></b>", "a", "<a/>\n",
     "Ln 1, Col 8: Element <a> should be terminated with </a>, was with b." + kClosing},
    {"misplaced closing ends document", "</x><a/>", "", "",
     "Ln 1, Col 5: Misplaced </x> which does not match a <x>."},
    {"end of input inside element", "<a>text", "a[\"text\"]", "<a>text</a>\n",
     "Ln 1, Col 8: (EOF) Element <a> should be terminated with </a>." + kClosing},
    {"first error kept", "<a></b>\n<c>", "a \"\\n\" c", "<a/>\n<c/>\n",
     "Ln 1, Col 8: Element <a> should be terminated with </a>, was with b." + kClosing},
    {"unclosed start tag", "<a b=\"1\"", "a{b=1}", "<a b=\"1\"/>\n",
     "Ln 1, Col 9: Tag <a> does not have a closing '>'"},
    {"< without name ends the element", "<a>< b/></a>", "a \"b/>\"", "<a/>\nb/&gt;",
     "Ln 1, Col 6: Misplaced < without name. Use &lt; instead of < if appropriate."},
    {"< at the end", "x<", "\"x\"", "x",
     "Ln 1, Col 3: Misplaced < without name. Use &lt; instead of < if appropriate."},
    {"error column on a later line", "<a>\n\n  </b>", "a[\"\\n\\n  \"]", "<a/>\n",
     "Ln 3, Col 7: Element <a> should be terminated with </a>, was with b." + kClosing},
};

INSTANTIATE_TEST_SUITE_P(Cases, XMLRead, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& param) {
                             std::string name;
                             for (const char* p = param.param.what; *p; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(XMLReadLimits, LongNamesKeep259Bytes) {
    const std::string longName(300, 'n');
    LXMLElement document;
    std::string error;
    document.Parse(("<" + longName + " " + longName + "=\"v\"/>").c_str(), error);
    ASSERT_EQ(document.children.size(), 1u);
    EXPECT_EQ(*document.children[0]->name, longName.substr(0, 259));
    EXPECT_EQ(document.children[0]->GetAttribute(longName.substr(0, 259), nullptr),
              std::string("v"));
    EXPECT_EQ(error, "");
}

TEST(XMLReadLimits, LongValuesAndTextAreKeptWhole) {
    const std::string longText(100000, 'x');
    LXMLElement document;
    std::string error;
    document.Parse(("<a v=\"" + longText + "\">" + longText + "</a>").c_str(), error);
    ASSERT_EQ(document.children.size(), 1u);
    EXPECT_EQ(document.children[0]->GetAttribute("v", nullptr), longText);
    EXPECT_EQ(document.children[0]->GetText(), longText);
}

TEST(XMLReadLimits, ErrorTextIsCutTo259) {
    const std::string name(250, 'n');
    LXMLElement document;
    std::string error;
    document.Parse(("<" + name + "></b>").c_str(), error);
    EXPECT_EQ(error.size(), 259u);
    EXPECT_EQ(error.rfind("Ln 1, Col 257: Element <" + name.substr(0, 10), 0), 0u);
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<e>";
    }
    for (int i = 0; i < depth; ++i) {
        text += "</e>";
    }
    return text;
}

int DepthOf(const LXMLElement& node) {
    int depth = 0;
    for (const LXMLElement* p = &node; !p->children.empty(); p = p->children[0].get()) {
        ++depth;
    }
    return depth;
}

TEST(XMLReadLimits, OrdinaryDeepNestingReadsWhole) {
    LXMLElement document;
    std::string error;
    document.Parse(Nested(256).c_str(), error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(DepthOf(document), 256);
}

TEST(XMLReadLimits, NestingBeyondTheLimitStopsWithAnError) {
    for (const int depth : {257, 1000000}) {
        LXMLElement document;
        std::string error;
        document.Parse(Nested(depth).c_str(), error);
        EXPECT_EQ(error, "Ln 1, Col 772: Elements are nested deeper than 256 levels.");
        EXPECT_EQ(DepthOf(document), 256);
    }
}

TEST(XMLParse, ReplacesChildrenAndStopsAtTheFirstZeroByte) {
    LXMLElement document;
    std::string error;
    document.Parse("<old/>", error);
    const std::string withZero("<a/>\0<b/>", 9);
    document.Parse(withZero.c_str(), error);
    EXPECT_EQ(XMLTreeText(document), "a");
}

}  // namespace
