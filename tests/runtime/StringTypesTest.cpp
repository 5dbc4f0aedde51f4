#include "LFixedLengthStringWriterTemplate.h"
#include "LList.h"
#include "LMap.h"
#include "LStringListTemplate.h"
#include "LStringLongTemplate.h"
#include "LStringLongTemplateWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(StringLong, NullTextReadsAsEmpty) {
    LStringLongTemplate<char> text(static_cast<const char*>(nullptr));
    EXPECT_STREQ(text.GetString(), "");
    text = "abc";
    text = static_cast<const char*>(nullptr);
    EXPECT_TRUE(text.IsEmpty());
    text.Append(static_cast<const char*>(nullptr));
    text.Insert(nullptr);
    EXPECT_EQ(text.GetLength(), 0u);
}

TEST(StringLong, AppendInsertAndAssign) {
    LStringLongTemplate<char> text = "middle";
    text.Append(" end");
    text.Append(LStringLongTemplate<char>());
    text.Insert("start ");
    EXPECT_EQ(text, "start middle end");

    LStringLongTemplate<char> taker;
    taker.Assign(text);
    EXPECT_EQ(taker, "start middle end");
    EXPECT_TRUE(text.IsEmpty());
    taker.Assign(taker);
    EXPECT_EQ(taker, "start middle end");
}

TEST(StringLong, AssignSubStringStopsAtTheTextsEnd) {
    const struct Case {
        const char* text;
        size_t start;
        size_t count;
        const char* expected;
    } cases[] = {
        {"abcdef", 1, 3, "bcd"},
        {"abcdef", 4, 10, "ef"},
        {"abcdef", 6, 1, ""},
        {"abcdef", 100, 1, ""},
        {"abcdef", 0, 0, ""},
        {nullptr, 0, 5, ""},
        {"abcdef", 0, size_t(-1), "abcdef"},
    };
    for (const Case& c : cases) {
        LStringLongTemplate<char> text = "previous";
        text.AssignSubString(c.text, c.start, c.count);
        EXPECT_EQ(text, c.expected) << c.start << "," << c.count;
    }
}

TEST(StringWriters, AppendersKeepTheTextAndFixedWritersDropTheOverflow) {
    LStringLongTemplate<char> text = "kept";
    LStringLongTemplateAppender<char> appender(text);
    appender.Write(':');
    appender.Write(" more", 5);
    EXPECT_EQ(text, "kept: more");
    EXPECT_GE(text.capacity(), 259u);

    char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
    LFixedLengthStringWriterTemplate<char> fixed(buffer, 4);
    EXPECT_STREQ(buffer, "");
    fixed.Write("ab", 2);
    fixed.Write("cdef", 4);
    fixed.Write('g');
    EXPECT_EQ(fixed.GetLength(), 4u);
    EXPECT_STREQ(buffer, "abcd");
}

TEST(StringList, KeepsOrderAndCutsItemsAt259) {
    LStringListTemplate<char> list;
    const std::string longText(300, 'p');
    list.Add("first");
    list.Add(longText.c_str());
    list.Add(static_cast<const char*>(nullptr));
    char* buffer = list.Add(size_t(16));
    std::string("written").copy(buffer, 7);

    ASSERT_EQ(list.GetCount(), 4u);
    EXPECT_STREQ(list[0], "first");
    EXPECT_EQ(std::string(list[1]), longText.substr(0, 259));
    EXPECT_STREQ(list[2], "");
    EXPECT_STREQ(list.GetItem(3), "written");
}

TEST(StringList, GrowsPastItsFirstRoom) {
    LStringListTemplate<char> list;
    for (int i = 0; i < 1000; ++i) {
        list.Add(std::to_string(i).c_str());
    }
    ASSERT_EQ(list.GetCount(), 1000u);
    EXPECT_STREQ(list[0], "0");
    EXPECT_STREQ(list[255], "255");
    EXPECT_STREQ(list[999], "999");
}

TEST(List, HeadAndTailOrderCopyAndClear) {
    LList<std::string> list;
    list.AddHead("older");
    list.AddHead("newest");
    list.AddTail("appended");
    EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()),
              (std::vector<std::string>{"newest", "older", "appended"}));

    LList<std::string> copy;
    copy.AddTail("replaced");
    LListCopy(copy, list);
    EXPECT_EQ(copy, list);
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(copy.GetCount(), 3u);
}

TEST(Map, NewestKeyFirstAndReplacedValuesStayInPlace) {
    LMap<std::string, std::string> map;
    map.Set("a", "1");
    map.Set("b", "2");
    map.Set("c", "3");
    map.Set("b", "20");

    std::vector<std::string> order;
    for (const auto& [key, value] : map) {
        order.push_back(key + "=" + value);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"c=3", "b=20", "a=1"}));
    ASSERT_NE(map.Find("a"), nullptr);
    EXPECT_EQ(*map.Find("a"), "1");
    EXPECT_EQ(map.Find("missing"), nullptr);
    map.Clear();
    EXPECT_EQ(map.GetCount(), 0u);
}
