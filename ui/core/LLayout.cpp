#include "LLayout.h"

#include "LCommand.h"
#include "LWindow.h"

namespace {

constexpr int kHelpButtonSize = 20;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 20;

LControl& Add(LWindow& window, int id, LControlKind kind, const std::string& text, LRect rect) {
    LControl control;
    control.id = id;
    control.kind = kind;
    control.text = text;
    control.rect = rect;
    return window.AddControl(std::move(control));
}

}  // namespace

LControl& LLayoutStaticText(LWindow& window, int id, const std::string& text,
                            LTextAlignment alignment, LRect rect) {
    LControl control;
    control.id = id;
    control.kind = LControlKind::StaticText;
    control.text = text;
    control.alignment = alignment;
    control.rect = rect;
    return window.AddControl(std::move(control));
}

LControl& LLayoutEditField(LWindow& window, int id, int x, int y, int width) {
    return Add(window, id, LControlKind::EditField, {}, {x, y, width, 0});
}

LControl& LLayoutPasswordField(LWindow& window, int id, int x, int y, int width) {
    return Add(window, id, LControlKind::PasswordField, {}, {x, y, width, 0});
}

LControl& LLayoutMultiLineEdit(LWindow& window, int id, LRect rect) {
    return Add(window, id, LControlKind::MultiLineEdit, {}, rect);
}

LControl& LLayoutPushButton(LWindow& window, int id, const std::string& title, LRect rect) {
    LControl control;
    control.id = id;
    control.kind = LControlKind::PushButton;
    control.text = title;
    control.rect = rect;
    control.isDefault = id == kLCommandOK;
    control.isCancel = id == kLCommandCancel;
    control.isHelp = id == kLCommandHelp;
    if (control.isHelp) {
        control.text.clear();
        control.rect.width = kHelpButtonSize;
        control.rect.height = kHelpButtonSize;
    }
    return window.AddControl(std::move(control));
}

LControl& LLayoutCheckBox(LWindow& window, int id, const std::string& title, LRect rect) {
    return Add(window, id, LControlKind::CheckBox, title, rect);
}

LControl& LLayoutRadioButton(LWindow& window, int id, const std::string& title, LRect rect) {
    return Add(window, id, LControlKind::RadioButton, title, rect);
}

LControl& LLayoutGroupBox(LWindow& window, int id, const std::string& title, LRect rect) {
    return Add(window, id, LControlKind::GroupBox, title, rect);
}

LControl& LLayoutSeparator(LWindow& window, int x, int y, int width) {
    return Add(window, -1, LControlKind::Separator, {}, {x, y, width, 0});
}

LControl& LLayoutPopupMenu(LWindow& window, int id, int x, int y, int width) {
    return Add(window, id, LControlKind::PopupMenu, {}, {x, y, width, 0});
}

LControl& LLayoutComboBox(LWindow& window, int id, int x, int y, int width) {
    return Add(window, id, LControlKind::ComboBox, {}, {x, y, width, 0});
}

LControl& LLayoutListView(LWindow& window, int id, LRect rect) {
    return Add(window, id, LControlKind::ListView, {}, rect);
}

LControl& LLayoutProgressBar(LWindow& window, int id, int x, int y, int width) {
    return Add(window, id, LControlKind::ProgressBar, {}, {x, y, width, 0});
}

void LLayoutStandardButtons(LWindow& window, int x, int y, int width) {
    LLayoutPushButton(window, kLCommandHelp, {}, {x + 18, y, 0, 0});
    LLayoutPushButton(window, kLCommandCancel, "Cancel",
                      {x + width - 232, y, kButtonWidth, kButtonHeight});
    LLayoutPushButton(window, kLCommandOK, "OK", {x + width - 118, y, kButtonWidth, kButtonHeight});
}
