#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include <filesystem>
#include <string>

#include "LFileDescriptor.h"
#include "LSharedSettings.h"
#include "SettingsEnvironment.h"

namespace {

class SharedSettings : public SettingsEnvironment {
protected:
    std::string SharedFile() { return folder / "data/QOR Software/Zel/Shared/SharedSettings.xml"; }
    std::string Get(const char* section, const char* key) {
        std::string value = "left over";
        LSharedSettingGet(section, key, "default", value);
        return value;
    }
};

TEST_F(SharedSettings, FirstSetCreatesTheFolderPathAndThreeLines) {
    EXPECT_EQ(GetSharedFileWithinSharedFolder(), SharedFile());
    std::filesystem::remove_all(folder / "data");
    LSharedSettingSet("Settings", "RelatedRuns", 3);
    EXPECT_EQ(ReadFile(SharedFile()), "<Settings>\n\t<RelatedRuns value=\"3\"/>\n</Settings>\n");
    EXPECT_EQ(LSharedSettingGet<int>("Settings", "RelatedRuns", 0), 3);
}

TEST_F(SharedSettings, MissingPiecesGiveTheDefault) {
    EXPECT_EQ(Get("Settings", "Key"), "default");
    WriteFile(GetSharedFileWithinSharedFolder(),
              "<Settings>\n\t<Other value=\"1\"/>\n\t<NoValue v=\"1\"/>\n</Settings>\n");
    EXPECT_EQ(Get("Missing", "Key"), "default");
    EXPECT_EQ(Get("Settings", "Key"), "default");
    EXPECT_EQ(Get("Settings", "NoValue"), "default");
    EXPECT_EQ(Get("Settings", "Other"), "1");
    std::string value;
    LSharedSettingGet("Settings", "Key", nullptr, value);
    EXPECT_EQ(value, "");
}

TEST_F(SharedSettings, ValuesAreCutAt259Bytes) {
    const std::string value = std::string(258, 'a') + "\xc3\xa9";
    LSharedSettingSet("Settings", "Long", value);
    EXPECT_EQ(Get("Settings", "Long"), value.substr(0, 259));
    LSharedSettingSet("Settings", "Number", "12abc");
    EXPECT_EQ(LSharedSettingGet<int>("Settings", "Number", 5), 12);
    EXPECT_EQ(LSharedSettingGet<int>("Settings", "Missing", 5), 5);
}

TEST_F(SharedSettings, RewritesEverythingElseTheFileHolds) {
    WriteFile(GetSharedFileWithinSharedFolder(),
              "<?xml version=\"1.0\"?>\n<Settings>\n\t<A value=\"1\"/>\n</Settings>\n"
              "<Extra>text</Extra>\n");
    LSharedSettingSet("Settings", "B", "2");
    LSharedSettingSet("New", "C", "3");
    LSharedSettingSet("Settings", "A", "x & y");
    EXPECT_EQ(ReadFile(SharedFile()),
              "<?xml version=\"1.0\"?>\n<Settings>\n\t<A value=\"x &amp; y\"/>\n"
              "\t<B value=\"2\"/>\n</Settings>\n<Extra>text</Extra>\n<New>\n\t<C value=\"3\"/>\n"
              "</New>\n");
}

TEST_F(SharedSettings, SetWhileAnotherHolderLocksTheFileChangesNothing) {
    LSharedSettingSet("Settings", "A", "1");
    const std::string before = ReadFile(SharedFile());
    // flock locks belong to the open file, so this open stands for another process.
    LFileDescriptor holder(::open(SharedFile().c_str(), O_RDONLY));
    ASSERT_EQ(flock(holder.Get(), LOCK_EX | LOCK_NB), 0);
    LSharedSettingSet("Settings", "A", "2");
    EXPECT_EQ(ReadFile(SharedFile()), before);
    holder.Reset();
    LSharedSettingSet("Settings", "A", "2");
    EXPECT_EQ(Get("Settings", "A"), "2");
}

}  // namespace
