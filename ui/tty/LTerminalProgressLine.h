#pragma once

#include <string>

class LWindow;

// A progress window as one line on stderr, redrawn in place: the bar, the percent and the two
// status lines, cut to the terminal's width. Nothing is drawn when stderr is not a terminal.
// Redraws are at most ten a second, so a run reporting per buffer is not slowed by them.
class LTerminalProgressLine {
public:
    LTerminalProgressLine();

    bool IsShown() const { return shown; }
    // Draws window's state when it changed and the last drawing is old enough (or force).
    void Draw(const LWindow& window, bool force = false);
    // Removes the line, so other text can be written.
    void Clear();

    // The line for window's state, width columns at most (without redrawing codes).
    static std::string Compose(const LWindow& window, int width, int tick);

private:
    int Width() const;

    bool enabled;
    bool shown = false;
    std::string drawn;
    unsigned int drawnAt = 0;
    int tick = 0;
};
