#pragma once

#include <string>

// destination := source without the characters no portable file name may hold: the control
// characters 1 to 31, '"', '*', '/', ':', '<', '>', '?', '\\' and '|'. True if anything is left.
bool LFileNameClean(const std::string& source, std::string& destination);
