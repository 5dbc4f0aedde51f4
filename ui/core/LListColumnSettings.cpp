#include "LListColumnSettings.h"

#include "LListColumns.h"
#include "LUserSettings.h"

std::optional<int> LListColumnStoredWidth(const std::string& section, int column) {
    const int width = LUserSettingGet<int>(section, LListColumnWidthKey(column), 0);
    // Nothing stored, or nothing a column could be.
    return width > 0 ? std::optional<int>(width) : std::nullopt;
}

void LListColumnStoreWidth(const std::string& section, int column, int width) {
    LUserSettingSet<int>(section, LListColumnWidthKey(column), width);
}
