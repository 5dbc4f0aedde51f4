#include "LCommand.h"
#include "LDecryptPasswordDialog.h"
#include "LDialog.h"
#include "LEncryptPasswordDialog.h"
#include "LFileChooser.h"
#include "LFileExistsQuestion.h"
#include "LLayout.h"
#include "LListColumns.h"
#include "LMessageBox.h"
#include "LProcessRunAsDialog.h"
#include "LQtBubbleTip.h"
#include "LQtMessageBox.h"
#include "LQtWindow.h"
#include "LScreenshots.h"
#include "LTabView.h"
#include "LWizardDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QPushButton>

#include <filesystem>

namespace {

using Widgets = LScreenshots::Widgets;

// Types text into the widget of control id of window, a key at a time, as the user would.
void Type(LQtHost& host, const LWindow& window, int id, const std::string& text) {
    QWidget* widget = host.Widget(window, id);
    for (char c : text) {
        const QString typed(QChar::fromLatin1(c));
        QKeyEvent press(QEvent::KeyPress, typed.toUpper().at(0).unicode(), Qt::NoModifier, typed);
        QCoreApplication::sendEvent(widget, &press);
    }
}

void Backspace(LQtHost& host, const LWindow& window, int id) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(host.Widget(window, id), &press);
}

// The Qt window of a window of the model, once it is made.
std::function<Widgets()> WindowOf(LScreenshots& studio, const LWindow& window) {
    return [&studio, &window] { return Widgets{studio.Host().Window(window)}; };
}

void EncryptPassword(LScreenshots& studio) {
    LEncryptPasswordDialog dialog;
    LQtHost& host = studio.Host();
    studio.WhenShown(
        "encrypt-password", WindowOf(studio, dialog),
        [&host, &dialog] {
            Type(host, dialog, 102, "Correct7horse");
            Type(host, dialog, 104, "Correct7horse");
        },
        [&] {
            // OK with two passwords that differ: the refusal hangs on the dialog as a sheet.
            Backspace(host, dialog, 104);
            studio.WhenShown(
                "encrypt-password-mismatch",
                [&] {
                    return Widgets{host.Window(dialog), host.MessageBox()};
                },
                {}, [&host] { host.MessageBox()->Buttons().front()->click(); });
            host.Widget(dialog, kLCommandOK)->setFocus();
            static_cast<QPushButton*>(host.Widget(dialog, kLCommandOK))->click();
            dialog.Close(kLCommandCancel);
        });
    dialog.DoModal(nullptr);
}

void DecryptPassword(LScreenshots& studio) {
    LDecryptPasswordDialog dialog;
    LQtHost& host = studio.Host();
    studio.WhenShown("decrypt-password", WindowOf(studio, dialog), {}, [&] {
        dialog.ShowBubbleTip(101, "Empty passwords are not allowed.", "Password");
        QCoreApplication::processEvents();
        studio.Save("decrypt-password-bubble-tip", {host.Window(dialog), host.BubbleTip()});
        dialog.Close(kLCommandCancel);
    });
    dialog.DoModal(nullptr);
}

// Pictures the next message box under name and answers it with its first button.
void NextBox(LScreenshots& studio, const std::string& name) {
    LQtHost& host = studio.Host();
    studio.WhenShown(
        name, [&host] { return Widgets{host.MessageBox()}; }, {},
        [&host] { host.MessageBox()->Buttons().front()->click(); });
}

void MessageBoxes(LScreenshots& studio) {
    NextBox(studio, "box-error");
    LMessageBoxError(nullptr,
                     "Encryption aborted due to errors.\n Could not write encrypted file.");
    NextBox(studio, "box-warning");
    LMessageBoxWarning(nullptr, "Not a valid ZEL or CRY file");
    NextBox(studio, "box-info");
    LMessageBoxInfo(nullptr, "All files decrypted successfully.");
    NextBox(studio, "box-ok-cancel");
    LMessageBoxOKCancel(nullptr, "The file already exists. Do you want to replace it?",
                        "Output File Conflict", "Overwrite");
    NextBox(studio, "box-two-buttons");
    LMessageBoxTwoButtons(nullptr, "The decrypted files hold a compressed archive.",
                          kLMessageBoxCaption, "Decompress", "Leave");
    NextBox(studio, "box-three-buttons");
    LMessageBoxThreeButtons(nullptr, "The folder does not exist.", kLMessageBoxCaption, "Create",
                            "Cancel", "No");
    bool tick = false;
    NextBox(studio, "box-file-exists");
    LAskFileExists(nullptr, "report.pdf", LFileExistsWording::DecryptRun, tick);
    NextBox(studio, "box-do-not-show-again");
    LMessageBoxDontShowAgain(nullptr, "Encrypt process finished successfully", kLMessageBoxCaption,
                             "Do not show again.", tick, "OK");
}

// A run that pictures its own progress window half-way.
struct ProgressScene {
    LScreenshots* studio;
    std::string name;
    bool busy;
    LWindow* parent;
};

LProcessResult Process(LProcessInterface& process, ProgressScene& scene) {
    process.SetStatus("Encrypting...", 0);
    process.SetStatus("/home/user/Documents/Quarterly report.pdf", 1);
    if (scene.busy) {
        process.SetProgressIndeterminateOn();
    } else {
        process.SetProgress(0.42);
    }
    process.IsToStop();
    LQtHost& host = scene.studio->Host();
    Widgets widgets{host.Window(dynamic_cast<LWindow&>(process))};
    if (scene.parent != nullptr) {
        widgets.insert(widgets.begin(), host.Window(*scene.parent));
    }
    scene.studio->Save(scene.name, widgets);
    return LProcessResultSuccess;
}

void ProgressWindows(LScreenshots& studio) {
    ProgressScene plain{&studio, "progress-window", false, nullptr};
    ProcessRunAsDialog(nullptr, "Encrypting files", plain);
    ProgressScene busy{&studio, "progress-window-busy", true, nullptr};
    ProcessRunAsDialog(nullptr, "Creating MD5 Hash", busy);
    LDecryptPasswordDialog parent;
    if (parent.Open(nullptr, LWindowForm::Modal)) {
        ProgressScene sheet{&studio, "progress-sheet", false, &parent};
        ProcessRunAsDialog(&parent, "Decrypting files", sheet);
        parent.Dispose();
    }
}

void SamplePage(LWindow& window, int x, int y, bool /*standardButtons*/) {
    LLayoutStaticText(window, -1, "Controls of the page go here.", LTextAlignment::Left,
                      {x + 20, y + 20, 360, 18});
    LLayoutEditField(window, 1001, x + 20, y + 50, 300);
}

void Frames(LScreenshots& studio) {
    LWizardDialog wizard("Encrypt");
    LWizardPage first;
    LWizardPage second;
    wizard.AddPage(first, {480, 200, "", 0, SamplePage}, "Page title", "The page's subtitle", true);
    wizard.AddPage(second, {480, 200, "", 0, SamplePage}, "Second page", "", false);
    studio.WhenShown("wizard-frame", WindowOf(studio, wizard), {},
                     [&wizard] { wizard.Close(kLCommandCancel); });
    wizard.DoModal(nullptr);

    LTabView sheet("Preferences");
    LPropertyPage general;
    LPropertyPage email;
    sheet.AddPage(general, {420, 160, "", 0, SamplePage}, "General");
    sheet.AddPage(email, {420, 160, "", 0, SamplePage}, "Email");
    studio.WhenShown("property-sheet-frame", WindowOf(studio, sheet), {},
                     [&sheet] { sheet.Close(kLCommandCancel); });
    sheet.DoModal(nullptr);
}

// Every kind of control in one window, to review how each one looks.
void GalleryLayout(LWindow& w, int x, int y, bool standardButtons) {
    LLayoutStaticText(w, -1, "Static text, right-aligned:", LTextAlignment::Right,
                      {x + 18, y + 16, 200, 18});
    LLayoutEditField(w, 1101, x + 230, y + 14, 232);
    LLayoutStaticText(w, -1, "Password field:", LTextAlignment::Right, {x + 18, y + 48, 200, 18});
    LLayoutPasswordField(w, 1102, x + 230, y + 46, 232);
    LLayoutGroupBox(w, 1103, "Group box", {x + 18, y + 80, 220, 110});
    LLayoutRadioButton(w, 1104, "Radio button", {x + 30, y + 108, 190, 20});
    LLayoutRadioButton(w, 1105, "Another radio button", {x + 30, y + 132, 190, 20});
    LLayoutCheckBox(w, 1106, "Check box", {x + 30, y + 158, 190, 20});
    LLayoutMultiLineEdit(w, 1107, {x + 250, y + 86, 212, 104});
    LLayoutPopupMenu(w, 1108, x + 18, y + 204, 220);
    LLayoutComboBox(w, 1109, x + 250, y + 204, 212);
    LLayoutListView(w, 1110, {x + 18, y + 244, 444, 100});
    LLayoutProgressBar(w, 1111, x + 18, y + 356, 444);
    LLayoutPushButton(w, 1112, "Push button", {x + 18, y + 382, 120, 20});
    LLayoutSeparator(w, x + 18, y + 414, 444);
    if (standardButtons) {
        LLayoutStandardButtons(w, x, y + 424, 480);
    }
}

class GalleryDialog : public LDialog {
public:
    GalleryDialog() : LDialog(LDialogTemplate{480, 460, "Every control", 0, GalleryLayout}) {}

    void InitDialog() override {
        SetItemEmptyText(1101, "Dimmed text of an empty field");
        SetItemText(1102, "secret");
        SetChecked(1104, true);
        SetChecked(1106, true);
        SetItemText(1107, "Multi-line edit\nsecond line");
        PopupAdd(1108, "Blowfish");
        PopupAdd(1108, "DES");
        PopupSelect(1108, 0);
        ComboAddItem(1109, "smtp.example.org");
        SetItemText(1109, "smtp.example.org");
        ListSetColumns(1110,
                       {{"Extension", 12, LListColumnText | kLListColumnEditable, false},
                        {"Description", 0, LListColumnText, true}},
                       nullptr);
        ListAddRow(1110, "zip");
        ListAddRow(1110, "jpg");
        SetProgressValue(1111, 65);
        EnableItem(1112, false);
    }
};

void Gallery(LScreenshots& studio) {
    GalleryDialog dialog;
    studio.WhenShown("controls", WindowOf(studio, dialog), {},
                     [&dialog] { dialog.Close(kLCommandCancel); });
    dialog.DoModal(nullptr);
}

void Chooser(LScreenshots& studio) {
    const std::string folder =
        (std::filesystem::temp_directory_path() / "zel-screenshots").string();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    studio.WhenShown(
        "chooser-save",
        [] { return Widgets{qobject_cast<QFileDialog*>(QApplication::activeModalWidget())}; }, {},
        [] { qobject_cast<QFileDialog*>(QApplication::activeModalWidget())->reject(); });
    std::string path = folder + "/notes.txt";
    std::string chosenFolder;
    int filter = 0;
    LFileChooseSave(nullptr, path, "Save the encrypted file as", chosenFolder,
                    {kLFilterZel, kLFilterAllFiles}, "zel", filter);
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace

void LScreenshotScenes(LScreenshots& studio) {
    EncryptPassword(studio);
    DecryptPassword(studio);
    MessageBoxes(studio);
    ProgressWindows(studio);
    Frames(studio);
    Gallery(studio);
    Chooser(studio);
}
