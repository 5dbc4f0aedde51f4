#pragma once

#include "LControl.h"
#include "LDialogTemplate.h"
#include "LListColumns.h"

#include <deque>
#include <string>
#include <vector>

// A help tag for one control.
struct LTooltip {
    int id;
    const char* text;
};

// A window with controls. Dialog logic works on controls by id only; the model here holds
// their state and the UI host (LUIHost.h) renders it. Operations on a control that does not
// exist (or has id -1) are ignored, and reading one gives an empty value.
//
// A page (wizard or property page) is a window inside a container window: its controls are
// looked up in the page first and then in the container, so a page can address the
// container's buttons ('Next', 'ok  ').
class LWindow {
public:
    LWindow() = default;
    explicit LWindow(const LDialogTemplate& dialogTemplate);
    virtual ~LWindow() = default;
    LWindow(const LWindow&) = delete;
    LWindow& operator=(const LWindow&) = delete;

    // Hooks, in the order of the window's life.
    virtual void InitDialog() {}
    virtual void EvDestroy() {}
    virtual bool EvOK() { return true; }
    virtual bool EvCancel() { return true; }
    virtual void EvHelp();  // opens the help topic "index.html"
    virtual void RefreshControls() {}
    virtual void Command(int /*id*/) {}
    virtual void EvActivate() {}
    // A timer set through the host (LUIHost::SetTimer) fired.
    virtual void EvTimer(int /*id*/) {}

    // Ends the modal loop; the OK flag is set when command is OK. A window that is not run
    // modally ignores it.
    virtual void Close(int command);
    virtual bool IsActive() const { return active; }
    virtual bool IsVisible() const { return visible; }
    virtual void Show(bool show);
    const std::string& GetTitle() const { return dialogTemplate.title; }
    void SetTitle(const std::string& title);

    // Declaring controls (the layout functions, LLayout.h). The control's command is its id
    // unless the declaration says otherwise.
    LControl& AddControl(LControl control);

    void SetItemText(int id, const std::string& text);
    std::string GetItemText(int id) const;
    // The text of a password field, cut to 259 bytes at a character boundary.
    std::string GetPasswordText(int id) const;
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);
    bool IsItemEnabled(int id) const;
    bool IsItemVisible(int id) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void PopupClear(int id);
    void PopupAdd(int id, const std::string& text);
    // An index that does not exist selects the first item.
    void PopupSelect(int id, int index);
    int PopupGetSelection(int id) const;
    int ListGetCount(int id) const;
    int ListGetSelectedCount(int id) const;
    bool ListIsSelected(int id, int row) const;
    std::string ListGetText(int id, int row, int column) const;
    // Returns the new row's index, or -1 without a list.
    int ListAddRow(int id, const std::string& text);
    void ListRemoveRow(int id, int row);
    // Declares the columns; widths kept under "ColumnWidth%d" of section (when not null)
    // replace the declared ones, and the user's resizing is kept there.
    void ListSetColumns(int id, const std::vector<LListColumn>& columns, const char* section);
    void SetTooltips(const std::vector<LTooltip>& table);
    void SetTextColour(int id, LColour colour);
    // An edit field sends Command(command) whenever its text changes; a list view whenever
    // its selection changes.
    void NotifyOnEdit(int id, int command);
    void SetDefaultButton(int id);
    void ShowBubbleTip(int id, const std::string& text, const std::string& title = {});
    void SetItemEmptyText(int id, const std::string& text);
    void ComboAddItem(int id, const std::string& text);
    int ComboGetCount(int id) const;
    std::string ComboGetItem(int id, int index) const;
    // A progress bar's value in whole percent (0 to 100); ends an indeterminate display.
    void SetProgressValue(int id, int percent);
    void SetProgressIndeterminate(int id, bool on);

    // The user's input, as a host delivers it. Each runs what the toolkit would: the control's
    // new state, then its notification or command. False (and nothing done) when the control
    // is missing, hidden or disabled, or does not take that input.
    bool UserSetText(int id, const std::string& text);
    bool UserClick(int id);
    bool UserSelectPopup(int id, int index);
    bool UserSelectRows(int id, const std::vector<int>& rows);
    bool UserResizeColumn(int id, int column, int width);
    bool UserPressReturn();   // the default button
    bool UserPressEscape();   // the cancel button
    void UserRequestClose();  // the window's close control: Cancel
    // A menu command reaches Command only when it is a standard edit or window command; false
    // when it is left to the application.
    bool UserMenuCommand(int code);

    // A command from one of this window's own controls or keys.
    virtual void DispatchCommand(int code);
    // Gives the keyboard focus to the first enabled field or list.
    void FocusFirstControl();

    // Reading the model (hosts and tests).
    const LControl* FindControl(int id) const;
    // The window whose control the user reaches under id: a shown page first, then this one.
    LWindow* FindInputOwner(int id);
    const std::deque<LControl>& Controls() const { return controls; }
    const std::vector<LWindow*>& Pages() const { return pages; }
    LWindow* Container() const { return container; }
    // The window itself, or for a page the window that holds it.
    LWindow& TopLevel();
    LWindow* Parent() const { return parent; }
    const LDialogTemplate& Template() const { return dialogTemplate; }
    // Screen position and content size.
    const LRect& Frame() const { return frame; }
    bool IsEnded() const { return ended; }
    bool EndedWithOK() const { return endedWithOK; }

protected:
    // A command from a control of page, one of this window's pages. By default the page's
    // Command.
    virtual void RouteFromPage(LWindow& page, int command);
    void AttachPage(LWindow& page);
    void ClearControls();
    void SetFrame(const LRect& rect);
    // Tells the host that the window's structure changed.
    void NotifyWindowChanged();
    void NotifyControlChanged(const LControl& control);
    bool IsCreated() const;

    LDialogTemplate dialogTemplate;
    LWindow* parent = nullptr;
    bool created = false;
    bool runModally = false;
    bool active = false;
    bool visible = false;
    bool ended = false;
    bool endedWithOK = false;

    // The control under id, to change it directly; the caller tells the host.
    LControl* Find(int id);

private:
    // The control under id and the window that owns it.
    LControl* Resolve(int id, LWindow*& owner);
    void Changed(LWindow& owner, const LControl& control);
    // Sends a command from a control of this window: to the container when this is a page.
    void SendCommand(int command);
    void CheckRadio(LWindow& owner, LControl& radio);
    void StoreColumnWidth(const LControl& list, int column, int width);
    static bool TakesInput(const LControl* control);

    std::deque<LControl> controls;
    std::vector<LWindow*> pages;
    LWindow* container = nullptr;
    LRect frame;
};
