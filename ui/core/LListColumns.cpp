#include "LListColumns.h"

#include <algorithm>
#include <cmath>

int LListColumnUnitsToPixels(int units) {
    return static_cast<int>(std::lround(units * 8 * 1.4));
}

int LListColumnMinimumWidth(int kind) {
    switch (kind) {
        case LListColumnText:
            return 50;
        case LListColumnTime:
            return 60;
        default:
            return 0;
    }
}

std::vector<LListViewColumn> LListColumnsLayout(
    const std::vector<LListColumn>& columns, int listWidth,
    const std::function<std::optional<int>(int column)>& storedWidth) {
    std::vector<LListViewColumn> shown;
    int used = 0;
    int fills = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const LListColumn& declared = columns[i];
        LListViewColumn column;
        column.title = declared.title;
        column.kind = static_cast<int>(declared.flags & kLListColumnKindMask);
        column.editable = (declared.flags & kLListColumnEditable) != 0;
        column.fill = declared.fill;
        column.minimumWidth = LListColumnMinimumWidth(column.kind);
        if (column.fill) {
            ++fills;
        } else {
            const std::optional<int> stored =
                storedWidth ? storedWidth(static_cast<int>(i) + 1) : std::nullopt;
            const int width = stored.value_or(LListColumnUnitsToPixels(declared.widthUnits));
            column.width = std::max(width, column.minimumWidth);
            used += column.width;
        }
        shown.push_back(column);
    }
    const int left = std::max(listWidth - used, 0);
    for (LListViewColumn& column : shown) {
        if (column.fill) {
            column.width = std::max(left / fills, column.minimumWidth);
        }
    }
    return shown;
}

std::string LListColumnsEditHint(const std::vector<LListColumn>& columns) {
    std::vector<std::string> editable;
    for (const LListColumn& column : columns) {
        if ((column.flags & kLListColumnEditable) != 0) {
            editable.push_back(column.title);
        }
    }
    switch (editable.size()) {
        case 0:
            return {};
        case 1:
            return "Click on the \"" + editable[0] + "\" column to edit it";
        case 2:
            return "Click on either the \"" + editable[0] + "\" or \"" + editable[1] +
                   "\" column to edit it";
        default: {
            // Three or more: the quoted titles as a list, the last one joined with "or".
            std::string names;
            for (size_t i = 0; i < editable.size(); ++i) {
                if (i > 0) {
                    names += i + 1 == editable.size() ? " or " : ", ";
                }
                names += "\"" + editable[i] + "\"";
            }
            return "Click on either the " + names + " column to edit it";
        }
    }
}

std::string LListColumnWidthKey(int column) {
    return "ColumnWidth" + std::to_string(column);
}
