#include "LCommand.h"
#include "LDecryptPasswordDialog.h"
#include "LEncryptPasswordDialog.h"
#include "LQtMessageBox.h"
#include "LQtWindow.h"
#include "QtHostTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gmock/gmock.h>

#include <algorithm>

// Both password dialogs as real windows: each widget at its layout rectangle with the model's text,
// then driven by posted input through their modal loops.
class PasswordDialogs : public QtHostTest {
protected:
    static void ExpectWidgetsAtTheirRectangles(LQtHost& qt, LDialog& dialog) {
        LQtWindow* window = qt.Window(dialog);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->size(), QSize(dialog.Frame().width, dialog.Frame().height));
        for (const LControl& control : dialog.Controls()) {
            QWidget* widget = window->WidgetFor(control);
            ASSERT_NE(widget, nullptr);
            const int height = control.rect.height != 0
                                   ? control.rect.height
                                   : std::min(widget->sizeHint().height(), widget->maximumHeight());
            EXPECT_EQ(widget->geometry(),
                      QRect(control.rect.x, control.rect.y, control.rect.width, height))
                << "control " << control.id;
            if (auto* label = dynamic_cast<QLabel*>(widget); label != nullptr) {
                EXPECT_EQ(label->text().toStdString(), control.text) << control.id;
            } else if (auto* edit = dynamic_cast<QLineEdit*>(widget); edit != nullptr) {
                EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
                EXPECT_EQ(edit->text().toStdString(), control.text);
                EXPECT_EQ(edit->toolTip().toStdString(), control.tooltip);
            } else if (auto* button = dynamic_cast<QPushButton*>(widget);
                       button != nullptr && !control.isHelp) {
                EXPECT_EQ(button->text().toStdString(), control.text);
            }
        }
    }

    // The box now open has the message and is answered by a click on its first button.
    void AnswerBoxWhenShown(const std::string& message, std::function<void()> then) {
        WhenReady([this] { return host.MessageBox() != nullptr && host.MessageBox()->isVisible(); },
                  [this, message, then = std::move(then)] {
                      LQtMessageBox* box = host.MessageBox();
                      messages.push_back(message);
                      EXPECT_NE(box->findChildren<QLabel*>().size(), 0);
                      bool found = false;
                      for (QLabel* label : box->findChildren<QLabel*>()) {
                          found = found || label->text().toStdString() == message;
                      }
                      EXPECT_TRUE(found) << message;
                      PostClick(box->Buttons().at(0));
                      WhenReady([this] { return host.MessageBox() == nullptr; }, then);
                  });
    }

    std::vector<std::string> messages;
};

TEST_F(PasswordDialogs, EveryWidgetSitsAtItsLayoutRectangleWithTheModelsText) {
    LEncryptPasswordDialog encrypt;
    ASSERT_TRUE(encrypt.Open(nullptr, LWindowForm::Modal));
    ExpectWidgetsAtTheirRectangles(host, encrypt);
    EXPECT_EQ(host.Window(encrypt)->windowTitle(), "Enter Password");
    encrypt.Dispose();

    LDecryptPasswordDialog decrypt;
    ASSERT_TRUE(decrypt.Open(nullptr, LWindowForm::Modal));
    ExpectWidgetsAtTheirRectangles(host, decrypt);
    EXPECT_EQ(host.Window(decrypt)->size(), QSize(540, 92));
    decrypt.Dispose();
}

TEST_F(PasswordDialogs, TheStrengthMeterFollowsTheTyping) {
    LEncryptPasswordDialog dialog;
    ASSERT_TRUE(dialog.Open(nullptr, LWindowForm::Modal));
    PostText(host.Widget(dialog, 102), "abcde1");
    PostText(host.Widget(dialog, 104), "abcde");
    Deliver();
    auto* strength = dynamic_cast<QLabel*>(host.Widget(dialog, 101));
    auto* match = dynamic_cast<QLabel*>(host.Widget(dialog, 106));
    EXPECT_EQ(strength->text(), "Strength: Medium");
    EXPECT_EQ(match->text(), "Passwords do not match");
    const LColour colour = dialog.FindControl(106)->textColour;
    EXPECT_EQ(match->palette().color(QPalette::Active, QPalette::WindowText),
              QColor::fromRgba64(colour.red, colour.green, colour.blue));
    ExpectWidgetsAtTheirRectangles(host, dialog);
    dialog.Dispose();
}

TEST_F(PasswordDialogs, OKIsRefusedUntilBothFieldsAgreeThenAccepted) {
    LEncryptPasswordDialog dialog;
    WhenReady([&] { return host.Window(dialog) != nullptr && host.Window(dialog)->isVisible(); },
              [&] {
                  PostText(host.Widget(dialog, 102), "Secret1");
                  PostText(host.Widget(dialog, 104), "Secret2");
                  PostClick(host.Widget(dialog, kLCommandOK));
                  AnswerBoxWhenShown("Passwords do not match.", [&] {
                      EXPECT_FALSE(dialog.IsEnded());
                      EXPECT_EQ(dialog.GetPasswordText(104), "Secret2");  // kept
                      PostKey(host.Widget(dialog, 104), Qt::Key_Backspace);
                      PostText(host.Widget(dialog, 104), "1");
                      PostKey(host.Widget(dialog, 104), Qt::Key_Return);
                  });
              });
    EXPECT_TRUE(dialog.DoModal(nullptr));
    EXPECT_EQ(dialog.Password(), "Secret1");
    EXPECT_THAT(messages, ::testing::ElementsAre("Passwords do not match."));
    EXPECT_EQ(host.Window(dialog), nullptr);
}

TEST_F(PasswordDialogs, AnEmptyPasswordIsRefusedAndCancelEndsTheDialog) {
    LDecryptPasswordDialog dialog;
    WhenReady([&] { return host.Window(dialog) != nullptr && host.Window(dialog)->isVisible(); },
              [&] {
                  PostClick(host.Widget(dialog, kLCommandOK));
                  AnswerBoxWhenShown("Empty passwords are not allowed.", [&] {
                      PostText(host.Widget(dialog, 101), "typed");
                      PostClick(host.Widget(dialog, kLCommandCancel));
                  });
              });
    EXPECT_FALSE(dialog.DoModal(nullptr));
    EXPECT_EQ(dialog.GetPasswordText(101), "typed");
    EXPECT_THAT(messages, ::testing::ElementsAre("Empty passwords are not allowed."));
}
