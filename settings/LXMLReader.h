#pragma once

#include "LXMLElement.h"
#include "LXMLParseState.h"

// Elements nested deeper than this stop the reader with an error instead of exhausting the
// stack; settings files are two levels deep.
constexpr int kXMLMaxDepth = 256;

// Reads the content of the document node (or of any node) from the cursor into its children.
void LXMLReadContent(LXMLParseState& state, LXMLElement& node);
