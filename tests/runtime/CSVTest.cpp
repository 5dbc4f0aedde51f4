#include "LCommaSeparatedListIteratorTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const char* text) {
    std::vector<std::string> items;
    for (LCommaSeparatedListIteratorTemplate<char> it(text); !it.IsAtEnd(); it.Next()) {
        items.push_back(it.GetItem());
    }
    return items;
}

}  // namespace

TEST(CSV, SplitsQuotedAndPlainItems) {
    using Items_ = std::vector<std::string>;
    const struct Case {
        const char* text;
        Items_ expected;
    } cases[] = {
        {"a@b.c,d@e.f", {"a@b.c", "d@e.f"}},
        {"  first , second\t,third  ", {"first", "second", "third"}},
        {"\"Smith, John\" <js@x.y>,next", {"Smith, John", "next"}},
        {"\"say \"\"hi\"\", then\",x", {"say \"hi\", then", "x"}},
        {"a, \"b\"", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},
        {"a, ,", {"a", ""}},
        {"\"unterminated, still", {"unterminated, still"}},
        {"\"\"", {""}},
        {"", {}},
        {" \t\r\n", {}},
        {nullptr, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Items(c.text), c.expected) << (c.text ? c.text : "(null)");
    }
}

TEST(CSV, StaysAtTheEnd) {
    LCommaSeparatedListIteratorTemplate<char> it("only");
    EXPECT_EQ(it.GetItem(), "only");
    it.Next();
    it.Next();
    EXPECT_TRUE(it.IsAtEnd());
    EXPECT_EQ(it.GetItem(), "");
}
