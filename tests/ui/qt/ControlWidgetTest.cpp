#include "LCommand.h"
#include "LDialog.h"
#include "LLayout.h"
#include "LQtWindow.h"
#include "LTabView.h"
#include "LWizardDialog.h"
#include "QtHostTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

#include <gmock/gmock.h>

#include <algorithm>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

// One control of every kind, and the standard buttons.
class EveryKindDialog : public LDialog {
public:
    static void Layout(LWindow& w, int x, int y, bool standardButtons) {
        LLayoutStaticText(w, 101, "Label text", LTextAlignment::Right, {x + 18, y + 14, 200, 18});
        LLayoutEditField(w, 102, x + 18, y + 40, 200);
        LLayoutPasswordField(w, 103, x + 18, y + 70, 200);
        LLayoutMultiLineEdit(w, 104, {x + 18, y + 100, 200, 60});
        LLayoutPushButton(w, 105, "Push", {x + 240, y + 14, 100, 20});
        LLayoutCheckBox(w, 106, "Tick", {x + 240, y + 40, 120, 20});
        LLayoutGroupBox(w, 107, "Group", {x + 240, y + 66, 180, 94});
        LLayoutRadioButton(w, 108, "One", {x + 250, y + 95, 100, 20});
        LLayoutRadioButton(w, 109, "Two", {x + 250, y + 120, 100, 20});
        LLayoutSeparator(w, x + 18, y + 170, 404);
        LLayoutPopupMenu(w, 110, x + 18, y + 180, 200);
        LLayoutComboBox(w, 111, x + 240, y + 180, 180);
        LLayoutListView(w, 112, {x + 18, y + 215, 404, 100});
        LLayoutProgressBar(w, 113, x + 18, y + 325, 404);
        if (standardButtons) {
            LLayoutStandardButtons(w, x, y + 360, 440);
        }
    }

    EveryKindDialog() : LDialog(LDialogTemplate{440, 396, "Every kind", 0, Layout}) {}

    void InitDialog() override {
        SetItemText(102, "edit");
        SetItemText(104, "line one\nline two");
        SetChecked(106, true);
        SetChecked(108, true);
        PopupAdd(110, "First");
        PopupAdd(110, "Second");
        PopupSelect(110, 0);
        ComboAddItem(111, "Alpha");
        SetItemText(111, "typed");
        ListSetColumns(112, {{"Name", 20, LListColumnText, false}, {"Size", 0, 0, true}}, nullptr);
        ListAddRow(112, "a.txt");
        ListAddRow(112, "b.txt");
        SetProgressValue(113, 40);
        NotifyOnEdit(102, 500);
        NotifyOnEdit(112, 501);
    }
    void Command(int id) override { commands.push_back(id); }

    std::vector<int> commands;
};

// The text a widget shows for its control's text or title; empty for kinds without one.
std::string ShownText(QWidget* widget, LControlKind kind) {
    switch (kind) {
        case LControlKind::StaticText:
            return static_cast<QLabel*>(widget)->text().toStdString();
        case LControlKind::EditField:
        case LControlKind::PasswordField:
            return static_cast<QLineEdit*>(widget)->text().toStdString();
        case LControlKind::MultiLineEdit:
            return static_cast<QPlainTextEdit*>(widget)->toPlainText().toStdString();
        case LControlKind::PushButton:
        case LControlKind::CheckBox:
        case LControlKind::RadioButton:
            return static_cast<QAbstractButton*>(widget)->text().toStdString();
        case LControlKind::GroupBox:
            return static_cast<QGroupBox*>(widget)->title().toStdString();
        case LControlKind::ComboBox:
            return static_cast<QComboBox*>(widget)->currentText().toStdString();
        default:
            return {};
    }
}

// Every control of window and its shown pages sits at its rectangle (the toolkit's own height where
// the model leaves it) and shows the model's text.
void ExpectWidgetsMatchModel(LQtHost& host, LWindow& window) {
    std::vector<LWindow*> owners{&window};
    for (LWindow* page : window.Pages()) {
        if (page->IsVisible()) {
            owners.push_back(page);
        }
    }
    int checked = 0;
    for (LWindow* owner : owners) {
        for (const LControl& control : owner->Controls()) {
            QWidget* widget = host.Window(window)->WidgetFor(control);
            ASSERT_NE(widget, nullptr) << control.id;
            const QRect expected(control.rect.x, control.rect.y, control.rect.width,
                                 control.rect.height != 0 ? control.rect.height
                                                          : std::min(widget->sizeHint().height(),
                                                                     widget->maximumHeight()));
            EXPECT_EQ(widget->geometry(), expected) << "control " << control.id;
            EXPECT_GT(widget->height(), 0) << "control " << control.id;
            const std::string shown = ShownText(widget, control.kind);
            if (!control.isHelp && !shown.empty()) {
                EXPECT_EQ(shown, control.text) << "control " << control.id;
            } else if (!control.isHelp) {
                EXPECT_EQ(control.text, "") << "control " << control.id;
            }
            EXPECT_EQ(widget->isVisibleTo(host.Window(window)), control.visible)
                << "control " << control.id;
            EXPECT_EQ(widget->isEnabled(), control.enabled) << "control " << control.id;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

}  // namespace

class ControlWidgets : public QtHostTest {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Open(nullptr, LWindowForm::Modal)); }
    void TearDown() override { dialog.Dispose(); }

    template <typename T>
    T* W(int id) {
        return dynamic_cast<T*>(host.Widget(dialog, id));
    }

    EveryKindDialog dialog;
};

TEST_F(ControlWidgets, EveryKindSitsAtItsRectangleWithTheModelsText) {
    ExpectWidgetsMatchModel(host, dialog);
    EXPECT_EQ(host.Window(dialog)->windowTitle(), "Every kind");
    EXPECT_EQ(host.Window(dialog)->size(), QSize(440, 396));
    EXPECT_EQ(W<QLineEdit>(103)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(W<QLabel>(101)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_TRUE(W<QAbstractButton>(106)->isChecked());
    EXPECT_TRUE(W<QAbstractButton>(108)->isChecked());
    EXPECT_FALSE(W<QAbstractButton>(109)->isChecked());
    EXPECT_EQ(W<QComboBox>(110)->currentText(), "First");
    EXPECT_EQ(W<QComboBox>(110)->count(), 2);
    EXPECT_EQ(W<QComboBox>(111)->itemText(0), "Alpha");
    auto* list = W<QTreeWidget>(112);
    EXPECT_EQ(list->headerItem()->text(0), "Name");
    EXPECT_EQ(list->headerItem()->text(1), "Size");
    EXPECT_EQ(list->columnWidth(0), dialog.FindControl(112)->columns[0].width);
    EXPECT_EQ(list->columnWidth(0), 224);  // 20 units x 8 x 1.4
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "b.txt");
    EXPECT_EQ(W<QProgressBar>(113)->value(), 40);
    EXPECT_TRUE(W<QPushButton>(kLCommandOK)->isDefault());
    EXPECT_FALSE(W<QPushButton>(kLCommandCancel)->isDefault());
    EXPECT_EQ(host.Widget(dialog, kLCommandHelp)->geometry(), QRect(18, 360, 20, 20));
}

TEST_F(ControlWidgets, ModelChangesReachTheWidgets) {
    dialog.SetItemText(101, "Changed label");
    dialog.SetTextColour(101, {0xFFFF, 0, 0});
    dialog.SetItemEmptyText(102, "Type here");
    dialog.EnableItem(105, false);
    dialog.ShowItem(106, false);
    dialog.SetChecked(109, true);
    dialog.PopupSelect(110, 1);
    dialog.SetTooltips({{102, "A help tag"}});
    dialog.ListRemoveRow(112, 0);
    dialog.SetProgressIndeterminate(113, true);
    dialog.SetDefaultButton(105);

    EXPECT_EQ(W<QLabel>(101)->text(), "Changed label");
    EXPECT_EQ(W<QLabel>(101)->palette().color(QPalette::Active, QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(W<QLineEdit>(102)->placeholderText(), "Type here");
    EXPECT_EQ(W<QLineEdit>(102)->toolTip(), "A help tag");
    EXPECT_FALSE(host.Widget(dialog, 105)->isEnabled());
    EXPECT_FALSE(host.Widget(dialog, 106)->isVisibleTo(host.Window(dialog)));
    EXPECT_FALSE(W<QAbstractButton>(108)->isChecked());
    EXPECT_TRUE(W<QAbstractButton>(109)->isChecked());
    EXPECT_EQ(W<QComboBox>(110)->currentText(), "Second");
    ASSERT_EQ(W<QTreeWidget>(112)->topLevelItemCount(), 1);
    EXPECT_EQ(W<QTreeWidget>(112)->topLevelItem(0)->text(0), "b.txt");
    EXPECT_EQ(W<QProgressBar>(113)->maximum(), 0);  // Qt's busy display
    dialog.SetProgressValue(113, 99);
    EXPECT_EQ(W<QProgressBar>(113)->maximum(), 100);
    EXPECT_EQ(W<QProgressBar>(113)->value(), 99);
    EXPECT_TRUE(W<QPushButton>(105)->isDefault());
    EXPECT_FALSE(W<QPushButton>(kLCommandOK)->isDefault());
    ExpectWidgetsMatchModel(host, dialog);
}

TEST_F(ControlWidgets, WhatTheUserDoesReachesTheModel) {
    W<QLineEdit>(102)->clear();
    PostText(host.Widget(dialog, 102), "ab");
    PostClick(host.Widget(dialog, 106));
    PostClick(host.Widget(dialog, 109));
    PostKey(host.Widget(dialog, 110), Qt::Key_Down);
    PostText(W<QComboBox>(111)->lineEdit(), "!");
    auto* list = W<QTreeWidget>(112);
    PostClick(list->viewport(), list->visualItemRect(list->topLevelItem(1)).center());
    Deliver();

    EXPECT_EQ(dialog.GetItemText(102), "ab");
    EXPECT_FALSE(dialog.IsChecked(106));
    EXPECT_TRUE(dialog.IsChecked(109));
    EXPECT_FALSE(dialog.IsChecked(108));
    EXPECT_FALSE(W<QAbstractButton>(108)->isChecked());
    EXPECT_EQ(dialog.PopupGetSelection(110), 1);
    EXPECT_EQ(dialog.GetItemText(111), "typed!");
    EXPECT_FALSE(dialog.ListIsSelected(112, 0));
    EXPECT_TRUE(dialog.ListIsSelected(112, 1));
    // A column the user drags wider is the model's; the fill column only follows.
    const int fillWidth = dialog.FindControl(112)->columns[1].width;
    list->header()->resizeSection(0, 150);
    EXPECT_EQ(dialog.FindControl(112)->columns[0].width, 150);
    EXPECT_EQ(dialog.FindControl(112)->columns[1].width, fillWidth);
    // Two edits of the field, one selection change of the list, and the clicks.
    EXPECT_THAT(dialog.commands, ElementsAre(500, 500, 106, 109, 110, 501));
}

TEST_F(ControlWidgets, ADisabledControlTakesNoInput) {
    dialog.EnableItem(106, false);
    dialog.EnableItem(102, false);
    PostClick(host.Widget(dialog, 106));
    PostText(host.Widget(dialog, 102), "x");
    Deliver();
    EXPECT_TRUE(dialog.IsChecked(106));
    EXPECT_EQ(dialog.GetItemText(102), "edit");
    EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(ControlWidgets, AGroupBoxHidesAndDisablesTheControlsInsideIt) {
    QWidget* window = host.Window(dialog);
    dialog.EnableItem(107, false);
    EXPECT_FALSE(host.Widget(dialog, 108)->isEnabled());
    EXPECT_FALSE(host.Widget(dialog, 109)->isEnabled());
    EXPECT_TRUE(host.Widget(dialog, 106)->isEnabled());  // outside the box
    dialog.ShowItem(107, false);
    EXPECT_FALSE(host.Widget(dialog, 108)->isVisibleTo(window));
    EXPECT_TRUE(host.Widget(dialog, 106)->isVisibleTo(window));
    dialog.ShowItem(107, true);
    dialog.EnableItem(107, true);
    EXPECT_TRUE(host.Widget(dialog, 109)->isVisibleTo(window));
    EXPECT_TRUE(host.Widget(dialog, 109)->isEnabled());
    // The radios keep their own state in the model.
    EXPECT_TRUE(dialog.IsItemEnabled(108));
}

namespace {

void PageLayout(LWindow& w, int x, int y, bool /*standardButtons*/) {
    LLayoutStaticText(w, 201, "On the page", LTextAlignment::Left, {x + 10, y + 10, 200, 18});
    LLayoutEditField(w, 202, x + 10, y + 40, 200);
}

void TallPageLayout(LWindow& w, int x, int y, bool /*standardButtons*/) {
    LLayoutCheckBox(w, 301, "Second page", {x + 10, y + 10, 200, 20});
}

}  // namespace

TEST_F(QtHostTest, WizardShowsTheCurrentPageAndItsFrame) {
    LWizardDialog wizard("Wizard");
    LWizardPage first;
    LWizardPage second;
    wizard.AddPage(first, {400, 120, "", 0, PageLayout}, "First page", "Its subtitle", true);
    wizard.AddPage(second, {400, 160, "", 0, TallPageLayout}, "Second page", "", false);
    ASSERT_TRUE(wizard.Open(nullptr, LWindowForm::Modal));
    QWidget* window = host.Window(wizard);
    EXPECT_EQ(window->size(), QSize(400, 160 + 114));
    ExpectWidgetsMatchModel(host, wizard);
    auto* title = dynamic_cast<QLabel*>(host.Widget(wizard, kLWizardTitleText));
    EXPECT_EQ(title->text(), "First page");
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->geometry().topLeft(), QPoint(20, 14));
    EXPECT_EQ(dynamic_cast<QPushButton*>(host.Widget(wizard, kLCommandNext))->text(), "Next");
    EXPECT_FALSE(host.Widget(wizard, kLCommandBack)->isEnabled());
    EXPECT_TRUE(host.Widget(wizard, kLCommandHelp)->isVisibleTo(window));

    QWidget* firstField = host.Widget(wizard, 202);
    PostClick(host.Widget(wizard, kLCommandNext));
    Deliver();
    EXPECT_FALSE(firstField->isVisibleTo(window));
    EXPECT_TRUE(host.Widget(wizard, 301)->isVisibleTo(window));
    EXPECT_EQ(dynamic_cast<QPushButton*>(host.Widget(wizard, kLCommandNext))->text(), "Finish");
    EXPECT_FALSE(host.Widget(wizard, kLCommandHelp)->isVisibleTo(window));
    ExpectWidgetsMatchModel(host, wizard);
    wizard.Dispose();
}

TEST_F(QtHostTest, PropertySheetShowsTabsAndFitsTheWindowToThePage) {
    LTabView sheet("Preferences");
    LPropertyPage general;
    LPropertyPage more;
    sheet.AddPage(general, {300, 100, "", 0, PageLayout}, "General");
    sheet.AddPage(more, {360, 140, "", 0, TallPageLayout}, "More");
    ASSERT_TRUE(sheet.Open(nullptr, LWindowForm::Modal));
    QWidget* window = host.Window(sheet);
    QWidget* tabs = host.Widget(sheet, kLTabControl);
    ASSERT_NE(tabs, nullptr);
    ExpectWidgetsMatchModel(host, sheet);
    QTabBar* bar = tabs->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count(), 2);
    EXPECT_EQ(bar->tabText(1), "More");
    EXPECT_EQ(window->size(), QSize(sheet.Frame().width, sheet.Frame().height));
    // Tab leaves the page's field for the button row, though the page was made after it.
    QWidget* field = host.Widget(sheet, 202);
    QWidget* next = field->nextInFocusChain();
    while (next != field && (!next->isVisibleTo(window) || !next->isEnabled() ||
                             (next->focusPolicy() & Qt::TabFocus) == 0)) {
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(next, host.Widget(sheet, kLCommandHelp));

    PostClick(bar, bar->tabRect(1).center());
    Deliver();
    EXPECT_EQ(sheet.CurrentTab(), 1);
    EXPECT_EQ(window->size(), QSize(360 + 28, sheet.Frame().height));
    EXPECT_TRUE(host.Widget(sheet, 301)->isVisibleTo(window));
    ExpectWidgetsMatchModel(host, sheet);
    sheet.Dispose();
}
