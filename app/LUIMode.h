#pragma once

// Which host serves the program: ZEL_UI ("gui" or "terminal") decides when set; otherwise the
// terminal serves a command typed in a terminal, and every start when there is no display.
enum class LUIMode {
    Terminal,
    Window,
};

LUIMode LChooseUIMode(bool commandGiven);
