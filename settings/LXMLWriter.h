#pragma once

#include <string>

#include "LXMLElement.h"

// Appends the text of one node written at indentation `level` (tabs).
void LXMLWriteNode(std::string& out, const LXMLElement& node, int level);
