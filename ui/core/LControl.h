#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A rectangle in points, origin at the top left of the window's content area.
struct LRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const LRect&) const = default;
};

// 16-bit red, green and blue, as static texts are coloured.
struct LColour {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;

    bool operator==(const LColour&) const = default;
};

enum class LControlKind {
    StaticText,
    EditField,
    PasswordField,
    MultiLineEdit,
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Separator,
    PopupMenu,
    ComboBox,
    ListView,
    ProgressBar,
    TabControl,  // the tabs of a property sheet: items are the titles, selection the current
};

enum class LFontStyle { System, Bold, Small };

enum class LTextAlignment { Left = 0, Centre = 1, Right = 2 };

// One column of a list view as the host shows it (see LListColumns.h for declarations).
struct LListViewColumn {
    std::string title;
    int kind = 0;  // LListColumnKind
    bool editable = false;
    bool fill = false;
    int width = 0;  // pixels
    int minimumWidth = 0;
};

// The state of one control. The dialog logic changes it through its window's control
// operations; a host renders it and reports the user's input back through the window's User*
// operations. Fields that do not apply to a kind stay at their defaults.
struct LControl {
    int id = -1;  // -1: a label nobody addresses
    LControlKind kind = LControlKind::StaticText;
    LRect rect;        // a height of 0 leaves it to the toolkit (single-line fields)
    std::string text;  // label, title or the typed text
    LTextAlignment alignment = LTextAlignment::Left;
    LFontStyle font = LFontStyle::System;
    bool enabled = true;
    bool visible = true;

    int command = 0;         // what a click sends: the id, or a standard command
    bool isDefault = false;  // Return presses it
    bool isCancel = false;   // Escape presses it
    bool isHelp = false;     // drawn as the round help button

    int value = 0;  // check box and radio button (0 or 1), progress bar (0 to 100)
    bool indeterminate = false;
    bool hasTextColour = false;
    LColour textColour;
    std::string emptyText;  // drawn dimmed while an edit field is empty
    std::string tooltip;
    int notifyCommand = 0;  // sent on every edit or selection change when notifyOnEdit is set
    bool notifyOnEdit = false;

    std::vector<std::string> items;  // popup menu, combo box and tab control
    int selection = -1;              // popup menu and tabs; -1 when nothing is selected

    std::vector<LListViewColumn> columns;  // list view
    std::vector<std::vector<std::string>> rows;
    std::vector<bool> selected;
    std::string editHint;       // how to edit the editable columns, empty when there are none
    std::string columnSection;  // settings section that keeps the column widths, or empty
};
