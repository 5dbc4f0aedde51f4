#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "LXMLElement.h"
#include "TestFolder.h"
#include "XMLTreeText.h"

namespace {

TEST(XMLWrite, SettingsDocumentLayout) {
    LXMLElement document;
    document.GetOrAddChild("Settings").GetOrAddChild("Key").SetAttribute("value", "3");
    document.GetOrAddChild("Crypto").GetOrAddChild("A").SetAttribute("value", "x");
    document.GetOrAddChild("Settings").GetOrAddChild("Other").SetAttribute("value", "");
    EXPECT_EQ(document.WriteToString(),
              "<Settings>\n\t<Key value=\"3\"/>\n\t<Other value=\"\"/>\n</Settings>\n"
              "<Crypto>\n\t<A value=\"x\"/>\n</Crypto>\n");
}

TEST(XMLWrite, ClosingMarkFollowsTheName) {
    const std::pair<const char*, const char*> cases[] = {
        {"?pi", "<?pi?>\n"},
        {"!--", "<!---->\n"},
        {"![CDATA[", "<![CDATA[]]>\n"},
        {"![cdata[", "<![cdata[]]>\n"},
        {"!DOCTYPE", "<!DOCTYPE>\n"},
        {"plain", "<plain/>\n"},
    };
    for (const auto& [name, written] : cases) {
        LXMLElement document;
        document.AddChild(LXMLElement::MakeElement(name));
        EXPECT_EQ(document.WriteToString(), written) << name;
    }
}

TEST(XMLWrite, LineBreaksInTextAndAttributes) {
    LXMLElement document;
    LXMLElement& a = document.GetOrAddChild("a");
    // In attributes LF CR is two breaks; in text it is one.
    a.SetAttribute("v", "1\r\n2\r3\n4\n\r5\"&<>'");
    a.AddChild(LXMLElement::MakeText("1\r\n2\r3\n4\n\r5\"&<>'"));
    EXPECT_EQ(
        document.WriteToString(),
        "<a v=\"1\n2\n3\n4\n\n5&quot;&amp;&lt;&gt;'\">1\n2\n3\n4\n5&quot;&amp;&lt;&gt;'</a>\n");
}

TEST(XMLWrite, IndentsNestedElementsAndLeavesTextUnindented) {
    LXMLElement document;
    LXMLElement& a = document.GetOrAddChild("a");
    a.AddChild(LXMLElement::MakeText("t"));
    a.GetOrAddChild("b").GetOrAddChild("c").AddChild(LXMLElement::MakeText("in c"));
    a.AddChild(LXMLElement::MakeText("\n\t  "));
    EXPECT_EQ(document.WriteToString(), "<a>\nt\t<b>\n\t\t<c>in c</c>\n\t</b>\n</a>\n");
}

TEST(XMLWrite, RoundTripGivesTheSameBytes) {
    const std::string file =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Settings>\n"
        "\t<RelatedRuns value=\"3\"/>\n"
        "\t<LastFolder value=\"/home/u/Caf\xc3\xa9 &amp; &quot;more&quot; &lt;x&gt;\"/>\n"
        "\t<Empty value=\"\"/>\n"
        "</Settings>\n"
        "<Crypto>\n"
        "\t<Note>one line\nand 'another'</Note>\n"
        "\t<Deep>\n\t\t<Deeper a=\"1\" b=\"2\"/>\n\t</Deep>\n"
        "</Crypto>\n";
    LXMLElement document;
    std::string error;
    document.Parse(file.c_str(), error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(document.WriteToString(), file);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(XMLWrite, WriteSendsEverythingToTheDescriptor) {
    TestFolder folder;
    LXMLElement document;
    document.GetOrAddChild("Settings").GetOrAddChild("Key").SetAttribute("value", "3");
    const int fd = ::open((folder / "out.xml").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(document.Write(fd));
    ::close(fd);
    EXPECT_EQ(ReadFile(folder / "out.xml"), "<Settings>\n\t<Key value=\"3\"/>\n</Settings>\n");

    const int readOnly = ::open((folder / "out.xml").c_str(), O_RDONLY);
    EXPECT_FALSE(document.Write(readOnly));
    ::close(readOnly);
    EXPECT_FALSE(document.Write(-1));
}

TEST(XMLTree, FindChildComparesBytesAndSeesTextAsEmptyName) {
    LXMLElement document;
    std::string error;
    document.Parse("<A/>text<a x=\"1\"/><a x=\"2\"/>", error);
    EXPECT_EQ(document.FindChild("a")->GetAttribute("x", nullptr), std::string("1"));
    EXPECT_EQ(document.FindChild("A")->attributes.size(), 0u);
    EXPECT_EQ(document.FindChild("")->GetText(), std::string("text"));
    EXPECT_EQ(document.FindChild("b"), nullptr);
}

TEST(XMLTree, GetOrAddChildAppendsOnlyWhenMissing) {
    LXMLElement document;
    LXMLElement& first = document.GetOrAddChild("s");
    document.GetOrAddChild("t");
    EXPECT_EQ(&document.GetOrAddChild("s"), &first);
    EXPECT_EQ(XMLTreeText(document), "s t");
}

TEST(XMLTree, SetAttributeReplacesInPlaceOrAppends) {
    LXMLElement element;
    element.SetName("e");
    element.SetAttribute("a", "1");
    element.SetAttribute("b", "2");
    element.SetAttribute("a", "3");
    EXPECT_EQ(XMLTreeText(element), "e{a=3;b=2}");
    EXPECT_EQ(element.GetAttribute("c", "default"), std::string("default"));
    EXPECT_EQ(element.GetAttribute("c", nullptr), nullptr);
}

TEST(XMLTree, GetTextTakesOwnTextThenAFirstTextChild) {
    LXMLElement document;
    std::string error;
    document.Parse("<a>x<b/>y</a><c><d/>z</c>", error);
    EXPECT_EQ(document.FindChild("a")->GetText(), std::string("x"));
    EXPECT_EQ(document.FindChild("a")->children[0]->GetText(), std::string("x"));
    EXPECT_EQ(document.FindChild("c")->GetText(), std::string(""));
    EXPECT_EQ(document.GetText(), std::string(""));
}

}  // namespace
