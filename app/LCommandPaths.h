#pragma once

#include <string>
#include <vector>

// Paths as the command line takes them: made absolute against the current folder and
// normalised by their text alone ("." and ".." resolved, a trailing '/' dropped), so that
// "Docs/" and "." are stored under their own names. An empty operand stays empty.
std::string LCommandAbsolutePath(const std::string& operand);

// Tidies the items of an encryption in place: empty items go, and so does an item that
// repeats an earlier one or lies inside an earlier folder item. False, with sameName set to
// the name, when two items keep the same last component: restored, one would overwrite the
// other.
bool LCommandTidyItems(std::vector<std::string>& items, std::string& sameName);
