#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "LUserSettings.h"
#include "LXMLElement.h"
#include "SettingsEnvironment.h"

namespace {

class UserSettings : public SettingsEnvironment {
protected:
    std::string PreferencesPath() { return folder / "config/zel/preferences.xml"; }

    std::string Get(std::string_view section, std::string_view key) {
        std::string value;
        EXPECT_TRUE(LUserSettingGet(section, key, "(none)", value)) << section << "/" << key;
        return value;
    }

    std::set<std::string> FolderEntries(const std::string& path) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
};

TEST_F(UserSettings, MissingKeyGivesTheDefaultAndCreatesNothing) {
    std::string value = "old";
    EXPECT_FALSE(LUserSettingGet("Crypto", "OutputLocation", "default", value));
    EXPECT_EQ(value, "default");
    EXPECT_FALSE(LUserSettingGet("Crypto", "OutputLocation", nullptr, value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(LUserSettingGet("Crypto", "OutputLocation", std::string(300, 'd').c_str(), value));
    EXPECT_EQ(value, std::string(259, 'd'));
    EXPECT_FALSE(std::filesystem::exists(folder / "config"));
}

TEST_F(UserSettings, WritesThroughInTheSectionKeyLayout) {
    LUserSettingSet("Crypto", "OutputLocationType", 1);
    LUserSettingSet("Crypto", "OutputLocation", "/home/u/out & \"x\"");
    LUserSettingSet("Settings", "FirstRun", false);
    LUserSettingSet("Crypto", "OutputLocationType", 2);
    EXPECT_EQ(ReadFile(PreferencesPath()),
              "<Crypto>\n"
              "\t<OutputLocationType value=\"2\"/>\n"
              "\t<OutputLocation value=\"/home/u/out &amp; &quot;x&quot;\"/>\n"
              "</Crypto>\n"
              "<Settings>\n"
              "\t<FirstRun value=\"0\"/>\n"
              "</Settings>\n");
    EXPECT_EQ(Get("Crypto", "OutputLocation"), "/home/u/out & \"x\"");
    struct stat status {};
    ASSERT_EQ(stat(PreferencesPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_EQ(FolderEntries(folder / "config/zel"),
              (std::set<std::string>{"preferences.xml", "preferences.xml.lock"}));
}

TEST_F(UserSettings, KeepsWhatElseTheFileHolds) {
    std::filesystem::create_directories(folder / "config/zel");
    WriteFile(PreferencesPath(),
              "<?xml version=\"1.0\"?>\n<Other note=\"n\">text</Other>\n<Crypto>\n"
              "\t<A value=\"1\"/>\n</Crypto>\n");
    LUserSettingSet("Crypto", "B", "2");
    EXPECT_EQ(ReadFile(PreferencesPath()),
              "<?xml version=\"1.0\"?>\n<Other note=\"n\">text</Other>\n<Crypto>\n"
              "\t<A value=\"1\"/>\n\t<B value=\"2\"/>\n</Crypto>\n");
}

struct TypedCase {
    std::optional<std::string> stored;
    bool boolWithFalse;
    bool boolWithTrue;
    int intWithSeven;
};

TEST_F(UserSettings, TypedReadersFollowTheTextRules) {
    const TypedCase cases[] = {
        {std::nullopt, false, true, 7},
        {"", false, true, 7},
        {"0", false, false, 0},
        {"0abc", false, false, 0},
        {"1", true, true, 1},
        {"false", true, true, 0},
        {"12abc", true, true, 12},
        {"abc", true, true, 0},
        {"-5", true, true, -5},
        {" 42", true, true, 42},
        {"99999999999", true, true, INT_MAX},
        {"-99999999999", true, true, INT_MIN},
    };
    int n = 0;
    for (const TypedCase& c : cases) {
        const std::string key = "Key" + std::to_string(n++);
        if (c.stored) {
            LUserSettingSet("Typed", key, *c.stored);
        }
        const std::string shown = c.stored.value_or("(missing)");
        EXPECT_EQ(LUserSettingGet<bool>("Typed", key, false), c.boolWithFalse) << shown;
        EXPECT_EQ(LUserSettingGet("Typed", key, true), c.boolWithTrue) << shown;
        EXPECT_EQ(LUserSettingGet<int>("Typed", key, 7), c.intWithSeven) << shown;
    }
}

TEST_F(UserSettings, TypedWritersStoreDigits) {
    LUserSettingSet("Typed", "True", true);
    LUserSettingSet("Typed", "Negative", -42);
    EXPECT_EQ(Get("Typed", "True"), "1");
    EXPECT_EQ(Get("Typed", "Negative"), "-42");
}

TEST_F(UserSettings, GetIntBringsTheValueIntoRange) {
    const std::pair<int, int> cases[] = {{-5, 0}, {0, 0}, {50, 50}, {100, 100}, {150, 100}};
    for (const auto& [stored, expected] : cases) {
        LUserSettingSet("Window", "X", stored);
        EXPECT_EQ(LUserSettingGetInt("Window", "X", 30, 0, 100), expected) << stored;
    }
    EXPECT_EQ(LUserSettingGetInt("Window", "Missing", 30, 0, 100), 30);
}

TEST_F(UserSettings, SectionWithTrailingSlashIsTheSameKey) {
    EXPECT_EQ(LUserSettingKey("Crypto", "X"), "Crypto/X");
    EXPECT_EQ(LUserSettingKey("Crypto/", "X"), "Crypto/X");
    EXPECT_EQ(LUserSettingKey(std::string(600, 's'), "X"), std::string(519, 's'));
    LUserSettingSet("Crypto/", "X", "a");
    EXPECT_EQ(Get("Crypto", "X"), "a");
    LUserSettingSet("Crypto", "X", "b");
    EXPECT_EQ(Get("Crypto/", "X"), "b");
}

TEST_F(UserSettings, LongValuesAreCutBeforeAWholeUTF8Character) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string(300, 'a'), std::string(259, 'a')},
        {std::string(258, 'a') + "\xc3\xa9", std::string(258, 'a')},
        {std::string(257, 'a') + "\xc3\xa9", std::string(257, 'a') + "\xc3\xa9"},
        {std::string(257, 'a') + "\xe2\x82\xac", std::string(257, 'a')},
        {std::string(256, 'a') + "\xf0\x9f\x98\x80" + "b", std::string(256, 'a')},
    };
    for (const auto& [stored, read] : cases) {
        LUserSettingSet("Long", "Value", stored);
        EXPECT_EQ(Get("Long", "Value"), read) << stored.size();
    }
}

TEST_F(UserSettings, ValuesComeBackByteForByte) {
    const std::string values[] = {
        "",
        "&<>\"'",
        "tab\there",
        "line1\nline2",
        "  spaced  ",
        "Caf\xc3\xa9",
        "\xe9t\xe9 (Latin-1 bytes)",
        "]]> --> <!-- &#65; &amp;",
    };
    for (const std::string& value : values) {
        LUserSettingSet("Values", "V", value);
        EXPECT_EQ(Get("Values", "V"), value);
    }
    // The file format keeps line breaks as line feeds.
    LUserSettingSet("Values", "V", "a\r\nb\rc");
    EXPECT_EQ(Get("Values", "V"), "a\nb\nc");
}

TEST_F(UserSettings, AnyNameKeepsItsOwnValue) {
    const std::pair<std::string, std::string> names[] = {
        {"Email Settings", "X"},
        {"MainWindow", "a b/c"},
        {"", "k"},
        {"s", ""},
        {"<x>", "\"q\" 'a' = &;"},
        {"!--", "![CDATA["},
        {"?xml", "k"},
        {"%", "k"},
        {"%25", "k"},
        {"s", "\t\n"},
        {"s", "k>"},
        {"s", "k/"},
        {std::string(300, 'n'), "k"},
        {"s", std::string(300, 'k')},
    };
    int n = 0;
    for (const auto& [section, key] : names) {
        LUserSettingSet(section, key, "v" + std::to_string(n++));
    }
    n = 0;
    for (const auto& [section, key] : names) {
        EXPECT_EQ(Get(section, key), "v" + std::to_string(n++)) << section << "/" << key;
    }
    LXMLElement document;
    std::string error;
    EXPECT_TRUE(document.Load(PreferencesPath(), error));
    EXPECT_EQ(error, "");
}

TEST_F(UserSettings, FolderFollowsTheEnvironment) {
    Set("XDG_CONFIG_HOME", "relative/ignored");
    LUserSettingSet("S", "K", "home");
    EXPECT_TRUE(std::filesystem::exists(folder / "home/.config/zel/preferences.xml"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Get("S", "K"), "home");
}

TEST_F(UserSettings, TwoProcessesSettingAtOnceLoseNothing) {
    constexpr int kKeys = 200;
    pid_t children[2];
    for (int process = 0; process < 2; ++process) {
        children[process] = fork();
        ASSERT_GE(children[process], 0);
        if (children[process] == 0) {
            for (int i = 0; i < kKeys; ++i) {
                LUserSettingSet("Race", "P" + std::to_string(process) + "K" + std::to_string(i), i);
            }
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    LXMLElement document;
    std::string error;
    ASSERT_TRUE(document.Load(PreferencesPath(), error));
    EXPECT_EQ(error, "");
    ASSERT_NE(document.FindChild("Race"), nullptr);
    const auto& keys = document.FindChild("Race")->children;
    EXPECT_EQ(std::count_if(keys.begin(), keys.end(), [](const auto& k) { return k->IsElement(); }),
              2 * kKeys);
    for (int process = 0; process < 2; ++process) {
        for (int i = 0; i < kKeys; ++i) {
            const std::string key = "P" + std::to_string(process) + "K" + std::to_string(i);
            EXPECT_EQ(LUserSettingGet<int>("Race", key, -1), i) << key;
        }
    }
    EXPECT_EQ(FolderEntries(folder / "config/zel").size(), 2u);
}

TEST_F(UserSettings, AnUnreadableFileIsNotReplaced) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    LUserSettingSet("Crypto", "A", "1");
    chmod(PreferencesPath().c_str(), 0);
    LUserSettingSet("Crypto", "B", "2");
    chmod(PreferencesPath().c_str(), 0600);
    EXPECT_EQ(ReadFile(PreferencesPath()), "<Crypto>\n\t<A value=\"1\"/>\n</Crypto>\n");
}

TEST_F(UserSettings, AFolderThatCannotBeWrittenLeavesTheFileAsItWas) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into every folder";
    }
    LUserSettingSet("Crypto", "A", "1");
    chmod((folder / "config/zel").c_str(), 0500);
    LUserSettingSet("Crypto", "A", "2");
    chmod((folder / "config/zel").c_str(), 0700);
    EXPECT_EQ(Get("Crypto", "A"), "1");
    EXPECT_EQ(FolderEntries(folder / "config/zel").size(), 2u);
}

}  // namespace
