#include "LWindow.h"

#include "LCommand.h"
#include "LListColumnSettings.h"
#include "LOpenHelpTopic.h"
#include "LStringBasics.h"
#include "LUIHost.h"
#include "LUTF8.h"

#include <algorithm>

namespace {

constexpr size_t kPasswordBufferSize = 260;

bool IsTextEntry(LControlKind kind) {
    return kind == LControlKind::EditField || kind == LControlKind::PasswordField ||
           kind == LControlKind::MultiLineEdit || kind == LControlKind::ComboBox;
}

bool TakesFocus(LControlKind kind) {
    return IsTextEntry(kind) || kind == LControlKind::ListView;
}

}  // namespace

LWindow::LWindow(const LDialogTemplate& declared) : dialogTemplate(declared) {}

void LWindow::EvHelp() {
    LOpenHelpTopic("index.html");
}

void LWindow::Close(int command) {
    if (!runModally || ended) {
        return;
    }
    ended = true;
    endedWithOK = LCommandNumber(command) == kLCommandOK;
    if (created) {
        LUIHostCurrent().EndModalLoop(*this);
    }
}

void LWindow::Show(bool show) {
    visible = show;
    if (container != nullptr) {
        container->NotifyWindowChanged();
    } else if (created) {
        LUIHostCurrent().ShowWindow(*this, show);
    }
}

void LWindow::SetTitle(const std::string& title) {
    dialogTemplate.title = title;
    NotifyWindowChanged();
}

LControl& LWindow::AddControl(LControl control) {
    if (control.command == 0) {
        control.command = control.id;
    }
    controls.push_back(std::move(control));
    return controls.back();
}

void LWindow::SetItemText(int id, const std::string& text) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control == nullptr) {
        return;
    }
    // A field set to a text that differs only in case does not count as edited.
    const bool edited = IsTextEntry(control->kind) && control->notifyOnEdit &&
                        tstricmp(control->text.c_str(), text.c_str()) != 0;
    control->text = text;
    Changed(*owner, *control);
    if (edited) {
        owner->SendCommand(control->notifyCommand);
    }
}

std::string LWindow::GetItemText(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr ? control->text : std::string();
}

std::string LWindow::GetPasswordText(int id) const {
    const LControl* control = FindControl(id);
    if (control == nullptr) {
        return {};
    }
    // Passwords live in 260-byte buffers wherever they go; cutting here keeps every reader of
    // the field agreed on the same 259 bytes.
    char buffer[kPasswordBufferSize];
    const size_t length = LUTF8CopyBounded(buffer, sizeof buffer, control->text.c_str());
    return std::string(buffer, length);
}

void LWindow::EnableItem(int id, bool enable) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->enabled = enable;
        Changed(*owner, *control);
    }
}

void LWindow::ShowItem(int id, bool show) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->visible = show;
        Changed(*owner, *control);
    }
}

bool LWindow::IsItemEnabled(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr && control->enabled;
}

bool LWindow::IsItemVisible(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr && control->visible;
}

bool LWindow::IsChecked(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr && control->value == 1;
}

void LWindow::SetChecked(int id, bool checked) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control == nullptr) {
        return;
    }
    if (checked && control->kind == LControlKind::RadioButton) {
        CheckRadio(*owner, *control);
        return;
    }
    control->value = checked ? 1 : 0;
    Changed(*owner, *control);
}

void LWindow::PopupClear(int id) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->items.clear();
        control->selection = -1;
        Changed(*owner, *control);
    }
}

void LWindow::PopupAdd(int id, const std::string& text) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->items.push_back(text);
        Changed(*owner, *control);
    }
}

void LWindow::PopupSelect(int id, int index) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control == nullptr) {
        return;
    }
    const bool exists = index >= 0 && index < static_cast<int>(control->items.size());
    control->selection = exists ? index : (control->items.empty() ? -1 : 0);
    Changed(*owner, *control);
}

int LWindow::PopupGetSelection(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr ? control->selection : -1;
}

int LWindow::ListGetCount(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr ? static_cast<int>(control->rows.size()) : 0;
}

int LWindow::ListGetSelectedCount(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr ? static_cast<int>(std::count(control->selected.begin(),
                                                            control->selected.end(), true))
                              : 0;
}

bool LWindow::ListIsSelected(int id, int row) const {
    const LControl* control = FindControl(id);
    return control != nullptr && row >= 0 && row < static_cast<int>(control->selected.size()) &&
           control->selected[static_cast<size_t>(row)];
}

std::string LWindow::ListGetText(int id, int row, int column) const {
    const LControl* control = FindControl(id);
    if (control == nullptr || row < 0 || row >= static_cast<int>(control->rows.size())) {
        return {};
    }
    const std::vector<std::string>& cells = control->rows[static_cast<size_t>(row)];
    return column >= 0 && column < static_cast<int>(cells.size())
               ? cells[static_cast<size_t>(column)]
               : std::string();
}

int LWindow::ListAddRow(int id, const std::string& text) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control == nullptr) {
        return -1;
    }
    std::vector<std::string> cells(std::max<size_t>(control->columns.size(), 1));
    cells[0] = text;
    control->rows.push_back(std::move(cells));
    control->selected.push_back(false);
    Changed(*owner, *control);
    return static_cast<int>(control->rows.size()) - 1;
}

void LWindow::ListRemoveRow(int id, int row) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control == nullptr || row < 0 || row >= static_cast<int>(control->rows.size())) {
        return;
    }
    const bool wasSelected = control->selected[static_cast<size_t>(row)];
    control->rows.erase(control->rows.begin() + row);
    control->selected.erase(control->selected.begin() + row);
    Changed(*owner, *control);
    // Losing a selected row changes the selection, as the toolkit's lists report it.
    if (wasSelected && control->notifyOnEdit) {
        owner->SendCommand(control->notifyCommand);
    }
}

void LWindow::ListSetColumns(int id, const std::vector<LListColumn>& columns, const char* section) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control == nullptr) {
        return;
    }
    control->columnSection = section != nullptr ? section : "";
    const std::string stored = control->columnSection;
    control->columns = LListColumnsLayout(columns, control->rect.width, [&stored](int column) {
        return stored.empty() ? std::nullopt : LListColumnStoredWidth(stored, column);
    });
    control->editHint = LListColumnsEditHint(columns);
    for (std::vector<std::string>& cells : control->rows) {
        cells.resize(std::max<size_t>(control->columns.size(), 1));
    }
    Changed(*owner, *control);
}

void LWindow::SetTooltips(const std::vector<LTooltip>& table) {
    for (const LTooltip& tip : table) {
        LWindow* owner = nullptr;
        if (LControl* control = Resolve(tip.id, owner); control != nullptr) {
            control->tooltip = tip.text != nullptr ? tip.text : "";
            Changed(*owner, *control);
        }
    }
}

void LWindow::SetTextColour(int id, LColour colour) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->hasTextColour = true;
        control->textColour = colour;
        Changed(*owner, *control);
    }
}

void LWindow::NotifyOnEdit(int id, int command) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->notifyOnEdit = true;
        control->notifyCommand = command;
    }
}

void LWindow::SetDefaultButton(int id) {
    LWindow* owner = nullptr;
    LControl* chosen = Resolve(id, owner);
    if (chosen == nullptr) {
        return;
    }
    for (LControl& control : owner->controls) {
        if (control.isDefault && &control != chosen) {
            control.isDefault = false;
            Changed(*owner, control);
        }
    }
    chosen->isDefault = true;
    Changed(*owner, *chosen);
}

void LWindow::ShowBubbleTip(int id, const std::string& text, const std::string& title) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (control != nullptr && IsCreated()) {
        LUIHostCurrent().ShowBubbleTip(*owner, *control, text, title);
    }
}

void LWindow::SetItemEmptyText(int id, const std::string& text) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->emptyText = text;
        Changed(*owner, *control);
    }
}

void LWindow::ComboAddItem(int id, const std::string& text) {
    PopupAdd(id, text);
}

int LWindow::ComboGetCount(int id) const {
    const LControl* control = FindControl(id);
    return control != nullptr ? static_cast<int>(control->items.size()) : 0;
}

std::string LWindow::ComboGetItem(int id, int index) const {
    const LControl* control = FindControl(id);
    if (control == nullptr || index < 0 || index >= static_cast<int>(control->items.size())) {
        return {};
    }
    return control->items[static_cast<size_t>(index)];
}

void LWindow::SetProgressValue(int id, int percent) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->indeterminate = false;
        control->value = std::clamp(percent, 0, 100);
        Changed(*owner, *control);
    }
}

void LWindow::SetProgressIndeterminate(int id, bool on) {
    LWindow* owner = nullptr;
    if (LControl* control = Resolve(id, owner); control != nullptr) {
        control->indeterminate = on;
        Changed(*owner, *control);
    }
}

bool LWindow::UserSetText(int id, const std::string& text) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (!TakesInput(control) || !IsTextEntry(control->kind)) {
        return false;
    }
    if (control->text != text) {
        control->text = text;
        if (control->notifyOnEdit) {
            owner->SendCommand(control->notifyCommand);
        }
    }
    return true;
}

bool LWindow::UserClick(int id) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (!TakesInput(control)) {
        return false;
    }
    switch (control->kind) {
        case LControlKind::PushButton:
            break;
        case LControlKind::CheckBox:
            control->value = control->value == 1 ? 0 : 1;
            Changed(*owner, *control);
            break;
        case LControlKind::RadioButton:
            CheckRadio(*owner, *control);
            break;
        default:
            return false;
    }
    owner->SendCommand(control->command);
    return true;
}

bool LWindow::UserSelectPopup(int id, int index) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    const bool selectable = control != nullptr && (control->kind == LControlKind::PopupMenu ||
                                                   control->kind == LControlKind::TabControl);
    if (!TakesInput(control) || !selectable || index < 0 ||
        index >= static_cast<int>(control->items.size())) {
        return false;
    }
    control->selection = index;
    Changed(*owner, *control);
    owner->SendCommand(control->command);
    return true;
}

bool LWindow::UserSelectRows(int id, const std::vector<int>& rows) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (!TakesInput(control) || control->kind != LControlKind::ListView) {
        return false;
    }
    std::vector<bool> selected(control->rows.size(), false);
    for (int row : rows) {
        if (row < 0 || row >= static_cast<int>(selected.size())) {
            return false;
        }
        selected[static_cast<size_t>(row)] = true;
    }
    const bool changed = selected != control->selected;
    control->selected = std::move(selected);
    Changed(*owner, *control);
    if (changed && control->notifyOnEdit) {
        owner->SendCommand(control->notifyCommand);
    }
    return true;
}

bool LWindow::UserResizeColumn(int id, int column, int width) {
    LWindow* owner = nullptr;
    LControl* control = Resolve(id, owner);
    if (!TakesInput(control) || column < 0 || column >= static_cast<int>(control->columns.size())) {
        return false;
    }
    LListViewColumn& resized = control->columns[static_cast<size_t>(column)];
    resized.width = std::max(width, resized.minimumWidth);
    StoreColumnWidth(*control, column, resized.width);
    Changed(*owner, *control);
    return true;
}

bool LWindow::UserPressReturn() {
    auto isDefault = [](const LControl& control) { return control.isDefault; };
    for (LWindow* page : pages) {
        if (page->visible) {
            auto found = std::find_if(page->controls.begin(), page->controls.end(), isDefault);
            if (found != page->controls.end()) {
                return page->UserClick(found->id);
            }
        }
    }
    auto found = std::find_if(controls.begin(), controls.end(), isDefault);
    return found != controls.end() && UserClick(found->id);
}

bool LWindow::UserPressEscape() {
    auto found = std::find_if(controls.begin(), controls.end(),
                              [](const LControl& control) { return control.isCancel; });
    if (found == controls.end()) {
        UserRequestClose();
        return true;
    }
    return UserClick(found->id);
}

void LWindow::UserRequestClose() {
    DispatchCommand(kLCommandCancel);
}

bool LWindow::UserMenuCommand(int code) {
    const int command = LCommandNumber(code);
    if (!LCommandIsStandardMenuCommand(command)) {
        return false;
    }
    Command(command);
    return true;
}

void LWindow::DispatchCommand(int code) {
    const int command = LCommandNumber(code);
    if (command == kLCommandOK) {
        if (EvOK()) {
            Close(kLCommandOK);
        }
    } else if (command == kLCommandCancel) {
        if (EvCancel()) {
            Close(kLCommandCancel);
        }
    } else if (command == kLCommandHelp) {
        EvHelp();
    } else {
        Command(command);
    }
}

const LControl* LWindow::FindControl(int id) const {
    return const_cast<LWindow*>(this)->Find(id);
}

LWindow* LWindow::FindInputOwner(int id) {
    for (LWindow* page : pages) {
        if (page->visible) {
            if (LWindow* owner = page->FindInputOwner(id); owner != nullptr) {
                return owner;
            }
        }
    }
    auto own = std::find_if(controls.begin(), controls.end(),
                            [id](const LControl& control) { return control.id == id; });
    return id != -1 && own != controls.end() ? this : nullptr;
}

LWindow& LWindow::TopLevel() {
    LWindow* top = this;
    while (top->container != nullptr) {
        top = top->container;
    }
    return *top;
}

void LWindow::RouteFromPage(LWindow& page, int command) {
    page.Command(LCommandNumber(command));
}

void LWindow::AttachPage(LWindow& page) {
    page.container = this;
    page.parent = this;
    pages.push_back(&page);
}

void LWindow::ClearControls() {
    controls.clear();
    for (LWindow* page : pages) {
        page->controls.clear();
    }
}

void LWindow::SetFrame(const LRect& rect) {
    frame = rect;
    NotifyWindowChanged();
}

void LWindow::NotifyWindowChanged() {
    if (LWindow& top = TopLevel(); top.created) {
        LUIHostCurrent().WindowChanged(top);
    }
}

void LWindow::FocusFirstControl() {
    for (const LControl& control : controls) {
        if (TakesFocus(control.kind) && control.enabled && control.visible) {
            if (IsCreated()) {
                LUIHostCurrent().SetFocus(*this, control);
            }
            return;
        }
    }
}

void LWindow::NotifyControlChanged(const LControl& control) {
    Changed(*this, control);
}

bool LWindow::IsCreated() const {
    return const_cast<LWindow*>(this)->TopLevel().created;
}

LControl* LWindow::Find(int id) {
    LWindow* owner = nullptr;
    return Resolve(id, owner);
}

LControl* LWindow::Resolve(int id, LWindow*& owner) {
    if (id == -1) {
        return nullptr;
    }
    for (LWindow* window = this; window != nullptr; window = window->container) {
        auto found = std::find_if(window->controls.begin(), window->controls.end(),
                                  [id](const LControl& control) { return control.id == id; });
        if (found != window->controls.end()) {
            owner = window;
            return &*found;
        }
    }
    return nullptr;
}

void LWindow::Changed(LWindow& owner, const LControl& control) {
    if (IsCreated()) {
        LUIHostCurrent().ControlChanged(owner, control);
    }
}

void LWindow::SendCommand(int command) {
    if (container != nullptr) {
        container->RouteFromPage(*this, command);
    } else {
        DispatchCommand(command);
    }
}

void LWindow::CheckRadio(LWindow& owner, LControl& radio) {
    // One radio group per window: checking one clears the others.
    for (LControl& control : owner.controls) {
        if (control.kind == LControlKind::RadioButton && control.value != 0 && &control != &radio) {
            control.value = 0;
            Changed(owner, control);
        }
    }
    radio.value = 1;
    Changed(owner, radio);
}

void LWindow::StoreColumnWidth(const LControl& list, int column, int width) {
    if (!list.columnSection.empty()) {
        LListColumnStoreWidth(list.columnSection, column + 1, width);
    }
}

bool LWindow::TakesInput(const LControl* control) {
    return control != nullptr && control->enabled && control->visible;
}
