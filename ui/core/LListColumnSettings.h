#pragma once

#include <optional>
#include <string>

// Column widths a list keeps in the user's settings, under "ColumnWidth<n>" (n from 1) of the
// list's section.
std::optional<int> LListColumnStoredWidth(const std::string& section, int column);
void LListColumnStoreWidth(const std::string& section, int column, int width);
