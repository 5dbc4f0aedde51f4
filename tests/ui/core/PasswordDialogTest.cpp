#include "LCommand.h"
#include "LDecryptPasswordDialog.h"
#include "LEncryptPasswordDialog.h"
#include "ScriptedTest.h"

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

class EncryptPasswordDialog : public ScriptedTest {
protected:
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const LMessageBoxRequest& box : host.MessageBoxes()) {
            EXPECT_EQ(box.caption, "ZEL Encryption Software");
            EXPECT_EQ(box.icon, LMessageBoxIcon::Stop);
            messages.push_back(box.message);
        }
        return messages;
    }

    LEncryptPasswordDialog dialog;
};

TEST_F(EncryptPasswordDialog, RefusesEmptyAndMismatchedPasswordsAndKeepsWhatWasTyped) {
    host.Click(kLCommandOK)
        .Type(102, "Secret1")
        .Type(104, "secret1")
        .PressReturn()
        .Inspect([](LWindow& w) {
            EXPECT_FALSE(w.IsEnded());
            EXPECT_EQ(w.GetPasswordText(104), "secret1");
            EXPECT_EQ(w.GetItemText(106), "Passwords do not match");
        })
        .Type(104, "Secret1")
        .Click(kLCommandOK);
    EXPECT_TRUE(dialog.DoModal(nullptr));
    EXPECT_EQ(dialog.Password(), "Secret1");
    EXPECT_THAT(Messages(),
                ElementsAre("Empty passwords are not allowed.", "Passwords do not match."));
    EXPECT_TRUE(host.MessageBoxes()[0].sheet);  // on the dialog
}

TEST_F(EncryptPasswordDialog, RatesThePasswordAndOpensItsHelpTopic) {
    host.Inspect([](LWindow& w) {
            EXPECT_EQ(w.Frame().width, 540);
            EXPECT_EQ(w.Frame().height, 194);
            EXPECT_EQ(w.GetTitle(), "Enter Password");
            EXPECT_EQ(w.FindControl(102)->tooltip, "Password for the encrypted file");
            EXPECT_EQ(w.FindControl(104)->tooltip,
                      "Confirm the password to ensure you did not make any typos");
            EXPECT_EQ(w.FindControl(102)->rect, (LRect{270, 58, 252, 0}));
            EXPECT_EQ(w.FindControl(kLCommandOK)->rect, (LRect{422, 158, 100, 20}));
            EXPECT_EQ(w.FindControl(kLCommandCancel)->rect, (LRect{308, 158, 100, 20}));
            EXPECT_EQ(w.FindControl(kLCommandHelp)->rect.x, 18);
            EXPECT_EQ(w.GetItemText(103), "Password:");
            EXPECT_EQ(w.GetItemText(105), "Confirm:");
        })
        .Type(102, "abcde1")
        .Inspect([](LWindow& w) { EXPECT_EQ(w.GetItemText(101), "Strength: Medium"); })
        .Click(kLCommandHelp)
        .Click(kLCommandCancel);
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(host.URLs(), ElementsAre(EndsWith("/share/zel/help/cryptoencryptpassword.html")));
    EXPECT_THAT(host.URLs()[0], ::testing::StartsWith("file:///"));
}

TEST_F(EncryptPasswordDialog, TakesTheCallersTitleAndA259ByteResult) {
    LEncryptPasswordDialog titled("Encrypting E-mail attachment");
    const std::string typed(300, 'k');
    host.Type(102, typed).Type(104, typed).Click(kLCommandOK);
    EXPECT_TRUE(titled.DoModal(nullptr));
    EXPECT_EQ(titled.Password(), std::string(259, 'k'));
    EXPECT_THAT(host.Log(), ElementsAre("window: Encrypting E-mail attachment"));
}

class DecryptPasswordDialog : public ScriptedTest {
protected:
    LDecryptPasswordDialog dialog;
};

TEST_F(DecryptPasswordDialog, AcceptsAnyNonEmptyPassword) {
    host.PressReturn().Type(101, "x").PressReturn();
    EXPECT_TRUE(dialog.DoModal(nullptr));
    EXPECT_EQ(dialog.Password(), "x");
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].message, "Empty passwords are not allowed.");
    EXPECT_EQ(host.MessageBoxes()[0].caption, "ZEL Encryption Software");
}

TEST_F(DecryptPasswordDialog, LayoutTooltipAndHelpTopic) {
    host.Inspect([](LWindow& w) {
            EXPECT_EQ(w.GetTitle(), "Enter Password");
            EXPECT_EQ(w.Frame().height, 92);
            EXPECT_EQ(w.FindControl(101)->kind, LControlKind::PasswordField);
            EXPECT_EQ(w.FindControl(101)->tooltip, "Password for the encrypted file");
            EXPECT_EQ(w.FindControl(kLCommandOK)->rect, (LRect{422, 56, 100, 20}));
        })
        .Click(kLCommandHelp)
        .PressEscape();
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_THAT(host.URLs(), ElementsAre(EndsWith("/help/cryptodecryptpassword.html")));
    EXPECT_THAT(host.MessageBoxes(), IsEmpty());
}
