#include "LWildcardMatch.h"

#include <gtest/gtest.h>

#include <string>

TEST(WildcardMatch, Table) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.ZEL", "x.zel", true}, {"*.zel", "X.ZEL", true},
        {"a*", "a", false},  // a star left over when the name has ended
        {"a*", "ab", true},       {"*", "anything", true},
        {"*", "", false},         {"", "", true},
        {"", "a", false},         {"a", "", false},
        {"?", "a", true},         {"?", "", false},
        {"??", "a", false},       {"a?c", "abc", true},
        {"a?c", "ac", false},     {"*x", "ax", true},
        {"*x", "x", true},        {"*x", "xa", false},
        {"*.*", "noext", false},  {"*.*", "has.ext", true},
        {"a*b*c", "aXbYc", true}, {"a*b*c", "aXbY", false},
        {"a**", "ab", true},      {"a**", "a", false},
        {"*a*", "bab", true},     {"report-??.txt", "Report-07.TXT", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LWildcardMatch(c.pattern, c.name), c.matches)
            << "pattern '" << c.pattern << "' name '" << c.name << "'";
    }
}

TEST(WildcardMatch, ManyStarsDoNotTakeExponentialTime) {
    std::string pattern;
    for (int i = 0; i < 40; ++i) {
        pattern += "*a";
    }
    pattern += "b";
    EXPECT_FALSE(LWildcardMatch(pattern, std::string(200, 'a')));
    EXPECT_TRUE(LWildcardMatch(pattern, std::string(200, 'a') + "b"));
}
