#include <gtest/gtest.h>

#include <string>

#include "LSMTPPassword.h"
#include "LUserSettings.h"
#include "LUserSettingsFile.h"
#include "SettingsEnvironment.h"

namespace {

class UserSettingEncrypted : public SettingsEnvironment {
protected:
    std::string Stored(const std::string& key) {
        std::string value;
        LUserSettingsRead(LUserSettingKey("Email", key), value);
        return value;
    }
    std::string GetEncrypted(const char* defaultText = "") {
        std::string value = "left over";
        LUserSettingGetEncrypted("Email", "SMTPPassword", value, defaultText);
        return value;
    }
};

TEST_F(UserSettingEncrypted, StoresTheEncipheredFormUnderTwoUnderscores) {
    LUserSettingSetEncrypted("Email", "SMTPPassword", "secret");
    std::string expected = "secret";
    LEncipherSMTPPassword(expected);
    EXPECT_EQ(Stored("__SMTPPassword"), expected);
    EXPECT_FALSE(LUserSettingsRead(LUserSettingKey("Email", "SMTPPassword"), expected));
    EXPECT_EQ(ReadFile(folder / "config/zel/preferences.xml").find("secret"), std::string::npos);
    EXPECT_EQ(GetEncrypted(), "secret");
}

TEST_F(UserSettingEncrypted, EveryPasswordLengthReadsBackWhole) {
    for (const std::size_t length : {5, 8, 9, 16, 192, 193, 248, 249, 259}) {
        std::string password;
        for (std::size_t i = 0; i < length; ++i) {
            password.push_back(static_cast<char>('A' + i % 26));
        }
        LUserSettingSetEncrypted("Email", "SMTPPassword", password);
        // From 193 bytes on, the stored form is longer than a 259-byte value.
        EXPECT_EQ(Stored("__SMTPPassword").size() > 259, length >= 193) << length;
        EXPECT_EQ(GetEncrypted(), password) << length;
    }
    LUserSettingSetEncrypted("Email", "SMTPPassword", std::string(300, 'p'));
    EXPECT_EQ(GetEncrypted(), std::string(259, 'p'));
}

TEST_F(UserSettingEncrypted, FallsBackToOneUnderscoreThenToThePlainValue) {
    EXPECT_EQ(GetEncrypted(), "");
    EXPECT_EQ(GetEncrypted("default"), "default");

    LUserSettingSet("Email", "SMTPPassword", "plain&Text");
    EXPECT_EQ(GetEncrypted("default"), "plain&Text");

    std::string older = "older";
    LEncipherSMTPPassword(older);
    LUserSettingSet("Email", "_SMTPPassword", older);
    EXPECT_EQ(GetEncrypted(), "older");

    LUserSettingSet("Email", "__SMTPPassword", "");
    EXPECT_EQ(GetEncrypted(), "older");

    LUserSettingSetEncrypted("Email", "SMTPPassword", "newest");
    EXPECT_EQ(GetEncrypted(), "newest");
}

TEST_F(UserSettingEncrypted, EmptyPasswordStoresEmptyAndReadsThePlainKey) {
    LUserSettingSet("Email", "SMTPPassword", "plain");
    LUserSettingSetEncrypted("Email", "SMTPPassword", "");
    EXPECT_EQ(Stored("__SMTPPassword"), "");
    EXPECT_EQ(GetEncrypted(), "plain");
}

}  // namespace
