#pragma once

#include <string>

// True if name matches pattern, both compared in lower case (ASCII). '?' matches any one
// character and '*' any run of them, but a '*' still left when the name has ended does not
// match: "a*" does not match "a", and "*" does not match "".
bool LWildcardMatch(const std::string& pattern, const std::string& name);
