#pragma once

#include "LControl.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum LListColumnKind {
    LListColumnText = 0,
    LListColumnTime = 1,
    LListColumnIconAndText = 2,
    LListColumnCheckBox = 3,
    LListColumnPopup = 4,
};

// Flags of a column declaration: the kind in the low byte, plus whether the user may edit it.
constexpr unsigned kLListColumnKindMask = 0xFF;
constexpr unsigned kLListColumnEditable = 0x100;

// A column declaration: title, width in character units, flags, and whether it takes the
// width the other columns leave.
struct LListColumn {
    std::string title;
    int widthUnits = 0;
    unsigned flags = LListColumnText;
    bool fill = false;
};

// A width in character units as pixels: units x 8 x 1.4, rounded.
int LListColumnUnitsToPixels(int units);

// The narrowest a column of the kind may be: text 50, time 60, the others 0.
int LListColumnMinimumWidth(int kind);

// The columns as shown in a list listWidth pixels wide. storedWidth(n) gives the width kept
// for column n (1-based), if any; it replaces the declared width of every column but a fill
// column, which takes what is left (shared when there are several).
std::vector<LListViewColumn> LListColumnsLayout(
    const std::vector<LListColumn>& columns, int listWidth,
    const std::function<std::optional<int>(int column)>& storedWidth);

// The hint a list with editable columns offers; empty when no column is editable.
std::string LListColumnsEditHint(const std::vector<LListColumn>& columns);

// The settings key under which column n (1-based) keeps its width: "ColumnWidth<n>".
std::string LListColumnWidthKey(int column);
