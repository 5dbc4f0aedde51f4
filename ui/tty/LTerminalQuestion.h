#pragma once

#include "LMessageBoxRequest.h"

#include <string>

class LTerminalDevice;

// Asks a message box as a question on the terminal: the caption and message, then the buttons
// by number; Return takes the default button, and a number or a button's title chooses one.
// A tick box follows as a yes/no question of its own, unless the cancel button was chosen.
// Ctrl-C or the end of input answers -1 (the box could not be asked).
LMessageBoxAnswer LTerminalAsk(const LTerminalDevice& terminal, const LMessageBoxRequest& request);

// The index of the button answer names (a 1-based number, or a title or the start of one that
// fits a single button, in any case); -1 when it names none. Empty answers the default.
int LTerminalButtonAnswer(const LMessageBoxRequest& request, const std::string& answer);
