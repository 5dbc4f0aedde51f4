#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LBase64.h"
#include "LBlowfish.h"
#include "LSMTPPassword.h"

namespace {

std::string Password(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(static_cast<char>('!' + i % 90));
    }
    return text;
}

// The stored form as first defined, block count taken modulo 256: values written that way must
// keep reading back.
std::string ByteSizedStoredForm(const std::string& text) {
    const unsigned char n = static_cast<unsigned char>((text.size() + 7) & ~7u);
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.resize(n, 0);
    LBlowfishContext context{};
    BlowfishInit(context, "globalsecretz5678");
    BlowfishEncryptBuffer(context, bytes.data(), n);
    LStringLongTemplate<char> encoded;
    LBase64Encode<char>(bytes.data(), bytes.size(), encoded, LBase64FlagNoLineBreaks);
    return encoded;
}

TEST(SMTPPassword, EveryLengthDeciphersBackWhole) {
    for (const std::size_t length : {1, 5, 8, 9, 16, 192, 193, 248, 249, 255, 256, 259}) {
        const std::string password = Password(length);
        std::string stored = password;
        LEncipherSMTPPassword(stored);
        EXPECT_NE(stored, password);
        EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos) << length;
        const std::size_t blocks = (length + 7) / 8 * 8;
        EXPECT_EQ(stored.size(), (blocks + 2) / 3 * 4) << length;
        LDecipherSMTPPassword(stored);
        EXPECT_EQ(stored, password) << length;
    }
}

TEST(SMTPPassword, ShortPasswordsHaveTheirStoredLengths) {
    const std::pair<std::size_t, std::size_t> cases[] = {{5, 12}, {8, 12}, {9, 24}, {16, 24}};
    for (const auto& [length, base64Length] : cases) {
        std::string stored = Password(length);
        LEncipherSMTPPassword(stored);
        EXPECT_EQ(stored.size(), base64Length) << length;
    }
}

TEST(SMTPPassword, MatchesTheByteSizedFormBelow249Bytes) {
    for (std::size_t length = 1; length <= 248; ++length) {
        const std::string password = Password(length);
        std::string stored = password;
        LEncipherSMTPPassword(stored);
        ASSERT_EQ(stored, ByteSizedStoredForm(password)) << length;
    }
}

TEST(SMTPPassword, EmptyStaysEmptyAndLongTextIsCutTo259) {
    std::string empty;
    LEncipherSMTPPassword(empty);
    EXPECT_EQ(empty, "");
    LDecipherSMTPPassword(empty);
    EXPECT_EQ(empty, "");

    std::string stored = Password(300);
    LEncipherSMTPPassword(stored);
    LDecipherSMTPPassword(stored);
    EXPECT_EQ(stored, Password(259));
}

TEST(SMTPPassword, DamagedStoredFormsDecipherWithinTheirBytes) {
    std::string whole = Password(16);
    LEncipherSMTPPassword(whole);
    // 13 and 1 decoded bytes: not whole blocks; then text that is no Base64 at all.
    for (const std::string& damaged :
         {whole.substr(0, 18), whole.substr(0, 2), std::string("*"), std::string(1000, 'A')}) {
        std::string text = damaged;
        LDecipherSMTPPassword(text);
        EXPECT_LE(text.size(), 259u);
    }
}

}  // namespace
