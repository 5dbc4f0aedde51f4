#include "LDecryptPasswordDialog.h"
#include "LEncryptPasswordDialog.h"
#include "LFileExistsQuestion.h"
#include "LTerminalHost.h"
#include "PtyChild.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <string>

namespace {

bool EchoIsOn() {
    termios settings{};
    return tcgetattr(STDIN_FILENO, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
}

// The decrypt-password dialog on the terminal; reports whether it ended with OK, whether the
// password is the expected one and whether the echo is on again.
int AskDecryptPassword() {
    LTerminalHost host;
    LUIHostScope scope(host);
    LDecryptPasswordDialog dialog;
    const bool ok = dialog.DoModal(nullptr);
    ChildReport("RESULT ok=" + std::to_string(ok) +
                " right=" + std::to_string(dialog.Password() == "hunter22") +
                " echo=" + std::to_string(EchoIsOn()));
    return 0;
}

}  // namespace

TEST(TerminalPrompt, APasswordIsReadWithoutEcho) {
    PtyChild child(AskDecryptPassword);
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(child.WaitFor("Enter Password"));
    ASSERT_TRUE(child.WaitFor("Password: "));
    child.Type("hunter22\n");
    ASSERT_TRUE(child.WaitFor("RESULT ok=1 right=1 echo=1"));
    EXPECT_EQ(child.Output().find("hunter22"), std::string::npos);
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalPrompt, CtrlCAtThePasswordPromptCancelsAndTurnsTheEchoBackOn) {
    PtyChild child(AskDecryptPassword);
    ASSERT_TRUE(child.WaitFor("Password: "));
    child.Type("half");
    child.Type("\x03");
    ASSERT_TRUE(child.WaitFor("RESULT ok=0 right=0 echo=1"));
    EXPECT_EQ(child.Finish(), 0);  // the child was not killed by the Ctrl-C
}

TEST(TerminalPrompt, AnEmptyPasswordIsRefusedByTheDialogAndAskedAgain) {
    PtyChild child(AskDecryptPassword);
    ASSERT_TRUE(child.WaitFor("Password: "));
    child.Type("\n");
    ASSERT_TRUE(child.WaitFor("Empty passwords are not allowed."));
    ASSERT_TRUE(child.WaitFor("Password: "));
    child.Type("hunter22\n");
    ASSERT_TRUE(child.WaitFor("RESULT ok=1 right=1 echo=1"));
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalPrompt, TheEncryptionPasswordIsAskedTwiceWithItsStrengthUntilBothMatch) {
    PtyChild child([] {
        LTerminalHost host;
        LUIHostScope scope(host);
        LEncryptPasswordDialog dialog;
        const bool ok = dialog.DoModal(nullptr);
        ChildReport("RESULT ok=" + std::to_string(ok) + " password=" + dialog.Password());
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("Password: "));
    child.Type("abc\n");
    ASSERT_TRUE(child.WaitFor("Strength: Weak"));
    ASSERT_TRUE(child.WaitFor("Confirm: "));
    child.Type("abd\n");
    ASSERT_TRUE(child.WaitFor("Passwords do not match."));
    ASSERT_TRUE(child.WaitFor("Password: "));
    child.Type("c0rrect horse\n");
    ASSERT_TRUE(child.WaitFor("Strength: Strong"));
    ASSERT_TRUE(child.WaitFor("Confirm: "));
    child.Type("c0rrect horse\n");
    ASSERT_TRUE(child.WaitFor("RESULT ok=1 password=c0rrect horse"));
    EXPECT_EQ(child.Output().find("abd"), std::string::npos);  // typed without echo
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalPrompt, AThreeButtonQuestionListsItsButtonsAndAsksItsTickAfter) {
    PtyChild child([] {
        LTerminalHost host;
        LUIHostScope scope(host);
        bool tick = false;
        const int answer = LAskFileExists(nullptr, "a.txt", LFileExistsWording::DecryptRun, tick);
        ChildReport("RESULT answer=" + std::to_string(answer) + " tick=" + std::to_string(tick));
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("File Exists"));
    ASSERT_TRUE(child.WaitFor("File \"a.txt\" already exists. Click 'Overwrite' to overwrite it."));
    ASSERT_TRUE(child.WaitFor("1) Overwrite"));
    ASSERT_TRUE(child.WaitFor("2) No"));
    ASSERT_TRUE(child.WaitFor("3) Cancel"));
    ASSERT_TRUE(child.WaitFor("Choose 1-3 [1]: "));
    child.Type("4\n");  // not a button: asked again
    ASSERT_TRUE(child.WaitFor("Choose 1-3 [1]: "));
    child.Type("no\n");
    ASSERT_TRUE(child.WaitFor("Do this for each file or folder. [y/N]: "));
    child.Type("y\n");
    ASSERT_TRUE(child.WaitFor("RESULT answer=3 tick=1"));
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalPrompt, CtrlCAtAQuestionAnswersCancel) {
    PtyChild child([] {
        LTerminalHost host;
        LUIHostScope scope(host);
        bool tick = true;
        const int answer =
            LAskFileExists(nullptr, "b.txt", LFileExistsWording::ExtractArchive, tick);
        ChildReport("RESULT answer=" + std::to_string(answer) + " tick=" + std::to_string(tick));
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("Choose 1-3 [1]: "));
    child.Type("\x03");
    ASSERT_TRUE(child.WaitFor("RESULT answer=2 tick=1"));
    EXPECT_EQ(child.Finish(), 0);
}
