#include "LCommand.h"
#include "LDialog.h"
#include "LMessageBox.h"
#include "LPlacement.h"
#include "LQtMessageBox.h"
#include "QtHostTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gmock/gmock.h>

using ::testing::ElementsAre;

class MessageBoxes : public QtHostTest {
protected:
    // Runs act on the box as soon as it is open.
    void OnBox(std::function<void(LQtMessageBox&)> act) {
        WhenReady([this] { return host.MessageBox() != nullptr && host.MessageBox()->isVisible(); },
                  [this, act = std::move(act)] { act(*host.MessageBox()); });
    }

    static std::vector<std::string> Titles(const LQtMessageBox& box) {
        std::vector<std::string> titles;
        for (QPushButton* button : box.Buttons()) {
            titles.push_back(button->text().toStdString());
        }
        return titles;
    }

    static std::vector<std::string> Texts(const LQtMessageBox& box) {
        std::vector<std::string> texts;
        for (QLabel* label : box.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                texts.push_back(label->text().toStdString());
            }
        }
        return texts;
    }
};

TEST_F(MessageBoxes, AQuestionIsAnsweredByAPostedClick) {
    std::vector<std::string> titles;
    std::vector<std::string> texts;
    OnBox([&](LQtMessageBox& box) {
        titles = Titles(box);
        texts = Texts(box);
        EXPECT_TRUE(box.Buttons()[0]->isDefault());
        EXPECT_TRUE(box.findChildren<QLabel*>()[1]->font().bold());  // the caption
        PostClick(box.Buttons()[1]);
    });
    EXPECT_FALSE(
        LMessageBoxTwoButtons(nullptr, "Line one\r\nline two", "Extract?", "Decompress", "Leave"));
    EXPECT_THAT(titles, ElementsAre("Decompress", "Leave"));
    EXPECT_THAT(texts, ElementsAre("Extract?", "Line one\nline two"));
    EXPECT_EQ(host.MessageBox(), nullptr);
}

TEST_F(MessageBoxes, ReturnPressesTheDefaultAndEscapeTheCancelButton) {
    OnBox([](LQtMessageBox& box) { PostKey(&box, Qt::Key_Return); });
    EXPECT_TRUE(LMessageBoxOKCancel(nullptr, "Overwrite?", "Output File Conflict", "Overwrite"));
    OnBox([](LQtMessageBox& box) { PostKey(&box, Qt::Key_Escape); });
    EXPECT_FALSE(LMessageBoxOKCancel(nullptr, "Overwrite?", "Output File Conflict", "Overwrite"));
    OnBox([](LQtMessageBox& box) { PostKey(&box, Qt::Key_Escape); });
    EXPECT_EQ(LMessageBoxThreeButtons(nullptr, "Create?", "Zel", "Create", "Cancel", "No"),
              kLCommandCancel);
}

TEST_F(MessageBoxes, EscapeDoesNothingWithoutACancelButton) {
    OnBox([](LQtMessageBox& box) {
        PostKey(&box, Qt::Key_Escape);
        QTimer::singleShot(30, &box, [&box] {
            EXPECT_TRUE(box.isVisible());
            PostClick(box.Buttons()[0]);
        });
    });
    EXPECT_TRUE(LMessageBoxTwoButtons(nullptr, "Extract?", "Zel", "Decompress", "Leave"));
}

TEST_F(MessageBoxes, TheTickIsWrittenBackWithTheButtonChosen) {
    bool tick = false;
    std::vector<std::string> titles;
    OnBox([&](LQtMessageBox& box) {
        titles = Titles(box);
        ASSERT_NE(box.Tick(), nullptr);
        EXPECT_EQ(box.Tick()->text(), "Do this for each file or folder.");
        PostClick(box.Tick());
        PostClick(box.Buttons()[1]);
    });
    EXPECT_EQ(LMessageBoxThreeButtonsTick(nullptr, "a.txt", "File Exists",
                                          "Do this for each file or folder.", tick, "Overwrite",
                                          "No", "Cancel"),
              3);
    EXPECT_TRUE(tick);
    EXPECT_THAT(titles, ElementsAre("Overwrite", "No", "Cancel"));
}

TEST_F(MessageBoxes, OneButtonBoxesShowTheirIconAndTitle) {
    struct Case {
        std::function<void()> show;
        std::string button;
    } cases[] = {
        {[] { LMessageBoxError(nullptr, "Invalid Password"); }, "OK"},
        {[] { LMessageBoxWarning(nullptr, "Please specify", "Zel"); }, "OK"},
        {[] { LMessageBoxButton(nullptr, "Zip", "Compression failed", "Continue"); }, "Continue"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> titles;
        bool hasIcon = false;
        OnBox([&](LQtMessageBox& box) {
            titles = Titles(box);
            for (QLabel* label : box.findChildren<QLabel*>()) {
                hasIcon = hasIcon || !label->pixmap().isNull();
            }
            PostClick(box.Buttons()[0]);
        });
        c.show();
        EXPECT_THAT(titles, ElementsAre(c.button));
        EXPECT_TRUE(hasIcon) << c.button;
    }
}

TEST_F(MessageBoxes, TheDoNotShowAgainBoxIsAtLeastItsSizeAndCentredOnTheScreen) {
    bool tick = false;
    QRect geometry;
    OnBox([&](LQtMessageBox& box) {
        geometry = box.geometry();
        PostClick(box.Tick());
        PostClick(box.Buttons()[0]);
    });
    LMessageBoxDontShowAgain(nullptr, "Encrypt process finished successfully",
                             "ZEL Encryption Software", "Do not show again.", tick, "OK");
    EXPECT_TRUE(tick);
    EXPECT_GE(geometry.width(), 474);
    EXPECT_GE(geometry.height(), 134);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(geometry.center().x(), screen.center().x(), 1);
    EXPECT_NEAR(geometry.center().y(), screen.center().y(), 1);
}

namespace {

void NoControls(LWindow&, int, int, bool) {}

}  // namespace

TEST_F(MessageBoxes, OnAShownParentTheBoxIsModalToItAlone) {
    LDialog parent(LDialogTemplate{500, 300, "Parent", 0, NoControls});
    ASSERT_TRUE(parent.Open(nullptr, LWindowForm::Modal));
    QRect geometry;
    Qt::WindowModality modality = Qt::NonModal;
    OnBox([&](LQtMessageBox& box) {
        geometry = box.geometry();
        modality = box.windowModality();
        PostClick(box.Buttons()[0]);
    });
    LMessageBoxInfo(&parent, "Added");
    EXPECT_EQ(modality, Qt::WindowModal);
    const QRect owner = host.Window(parent)->geometry();
    EXPECT_NEAR(geometry.center().y(), owner.center().y(), 1);
    EXPECT_NEAR(geometry.center().x(), owner.center().x(), 1);
    parent.Dispose();

    // A hidden parent: a free-standing alert.
    OnBox([&](LQtMessageBox& box) {
        modality = box.windowModality();
        PostClick(box.Buttons()[0]);
    });
    LMessageBoxInfo(&parent, "Added");
    EXPECT_EQ(modality, Qt::ApplicationModal);
}
