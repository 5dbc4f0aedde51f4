#include "LDecryptFolderName.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

TEST(DecryptFolderName, ComponentsBelowTheDestination) {
    struct Case {
        std::string stored;
        bool accepted;
        std::vector<std::string> components;
    } cases[] = {
        {"Docs", true, {"Docs"}},
        {"Docs/Letters", true, {"Docs", "Letters"}},
        {"/Docs/Letters", true, {"Docs", "Letters"}},  // one leading '/' is dropped
        {"Docs\\Letters", true, {"Docs", "Letters"}},  // '\' separates too
        {"./Docs//x/.", true, {"Docs", "x"}},
        {"", true, {}},
        {"/", true, {}},
        {"..Docs/a..b/...", true, {"..Docs", "a..b", "..."}},  // only ".." itself climbs
        {"//Docs", false, {}},
        {"\\\\Docs", false, {}},
        {"..", false, {}},
        {"Docs/../x", false, {}},
        {"Docs\\..", false, {}},
        {"/a/b/../../..", false, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> components{"stale"};
        EXPECT_EQ(LDecryptFolderComponents(c.stored, components), c.accepted) << c.stored;
        EXPECT_THAT(components, ElementsAreArray(c.components)) << c.stored;
    }
}

TEST(DecryptFolderName, JoinsWithSlashes) {
    EXPECT_EQ(LDecryptFolderJoin({}), "");
    EXPECT_EQ(LDecryptFolderJoin({"a", "b c", "d"}), "a/b c/d");
}
