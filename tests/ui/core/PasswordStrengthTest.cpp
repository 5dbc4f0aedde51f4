#include "LCommand.h"
#include "LStrengthMeter.h"
#include "ScriptedTest.h"

TEST(PasswordStrength, RatesDigitsSymbolsAndLengthButNotCase) {
    struct Case {
        std::string password;
        LPasswordStrength strength;
    } cases[] = {
        {"abc", LPasswordStrengthWeak},
        {"abcdef", LPasswordStrengthWeak},    // length only
        {"abcde1", LPasswordStrengthMedium},  // digit and length
        {"abc12!", LPasswordStrengthStrong},
        {"AbCdEfGh", LPasswordStrengthWeak},    // case does not count
        {"abc def1", LPasswordStrengthStrong},  // the space is a symbol
        {"ab1!", LPasswordStrengthMedium},
        {"p\xC3\xA4ss1", LPasswordStrengthStrong},  // bytes outside ASCII are symbols
        {"", LPasswordStrengthWeak},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LRatePassword(c.password), c.strength) << c.password;
    }
}

TEST(PasswordStrength, ColoursAndTexts) {
    EXPECT_EQ(LPasswordStrengthColour(LPasswordStrengthWeak), (LColour{0xFF00, 0, 0}));
    EXPECT_EQ(LPasswordStrengthColour(LPasswordStrengthMedium), (LColour{0xFF00, 0xBF00, 0}));
    EXPECT_EQ(LPasswordStrengthColour(LPasswordStrengthStrong), (LColour{0, 0x8000, 0}));
    EXPECT_STREQ(LPasswordStrengthText(LPasswordStrengthWeak), "Strength: Weak");
    EXPECT_STREQ(LPasswordStrengthText(LPasswordStrengthMedium), "Strength: Medium");
    EXPECT_STREQ(LPasswordStrengthText(LPasswordStrengthStrong), "Strength: Strong");
}

namespace {

// A page-like window with the wizard's password controls, forwarding 10000 to its meter.
class MeterWindow : public LWindow {
public:
    MeterWindow() {
        LLayoutStaticText(*this, 15601, {}, LTextAlignment::Left, {345, 154, 321, 32});
        LLayoutPasswordField(*this, 15602, 342, 215, 324);
        LLayoutPasswordField(*this, 15604, 342, 247, 324);
        LLayoutStaticText(*this, 15606, {}, LTextAlignment::Left, {345, 279, 321, 32});
    }
    void Command(int id) override {
        ++updates;
        if (id == LStrengthMeter::kCommand) {
            meter.Update();
        }
    }
    const LControl& Text(int id) const { return *FindControl(id); }

    LStrengthMeter meter;
    int updates = 0;
};

}  // namespace

class StrengthMeter : public ScriptedTest {
protected:
    void SetUp() override { window.meter.Attach(window, 15602, 15601, 15604, 15606, 10000); }

    MeterWindow window;
};

TEST_F(StrengthMeter, RatesWhileTypingAndKeepsTheColourWhenCleared) {
    EXPECT_EQ(window.Text(15601).text, "");
    window.UserSetText(15602, "abc");
    EXPECT_EQ(window.Text(15601).text, "Strength: Weak");
    window.UserSetText(15602, "abc12!");
    EXPECT_EQ(window.Text(15601).text, "Strength: Strong");
    EXPECT_EQ(window.Text(15601).textColour, kLStrengthColourStrong);
    EXPECT_EQ(window.meter.Strength(), LPasswordStrengthStrong);
    window.UserSetText(15602, "");
    EXPECT_EQ(window.Text(15601).text, "");
    EXPECT_EQ(window.Text(15601).textColour, kLStrengthColourStrong);
    EXPECT_EQ(window.updates, 3);
}

TEST_F(StrengthMeter, MatchIsCaseSensitiveAndAConfirmationTypedFirstDoesNotMatch) {
    window.UserSetText(15604, "Secret1");
    EXPECT_EQ(window.Text(15606).text, "Passwords do not match");
    EXPECT_EQ(window.Text(15606).textColour, kLStrengthColourWeak);
    window.UserSetText(15602, "secret1");
    EXPECT_EQ(window.Text(15606).text, "Passwords do not match");
    EXPECT_FALSE(window.meter.Match());
    window.UserSetText(15602, "Secret1");
    EXPECT_EQ(window.Text(15606).text, "Passwords match");
    EXPECT_EQ(window.Text(15606).textColour, kLStrengthColourStrong);
    EXPECT_TRUE(window.meter.Match());
    // Emptying the confirmation empties the line; the last comparison stands.
    window.UserSetText(15604, "");
    EXPECT_EQ(window.Text(15606).text, "");
    EXPECT_TRUE(window.meter.Match());
}

TEST_F(StrengthMeter, WithoutAConfirmationTheMatchAlwaysHolds) {
    MeterWindow single;
    single.meter.Attach(single, 15602, 15601, -1, 15606, 10000);
    single.UserSetText(15604, "other");
    single.UserSetText(15602, "abc");
    EXPECT_TRUE(single.meter.Match());
    EXPECT_EQ(single.Text(15606).text, "");
    EXPECT_EQ(single.updates, 1);
}
