#include "LTerminalProgressLine.h"

#include "LProgressLayouts.h"
#include "LTerminalOutput.h"
#include "LTiming.h"
#include "LWindow.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kBarWidth = 20;
constexpr unsigned int kRedrawMs = 100;
constexpr int kDefaultWidth = 80;

// Cuts text to at most columns characters, never inside a UTF-8 sequence.
std::string CutToColumns(const std::string& text, int columns) {
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && count++ == columns) {
            return text.substr(0, i);
        }
    }
    return text;
}

std::string Bar(const LControl& bar, int tick) {
    std::string cells(kBarWidth, ' ');
    if (bar.indeterminate) {
        // A short block that sweeps back and forth: busy, with no amount to show.
        const int span = kBarWidth - 3;
        const int step = tick % (2 * span);
        const int at = step < span ? step : 2 * span - step;
        cells.replace(static_cast<size_t>(at), 3, "<=>");
        return "[" + cells + "]     ";
    }
    const int filled = bar.value * kBarWidth / 100;
    cells.replace(0, static_cast<size_t>(filled), std::string(static_cast<size_t>(filled), '#'));
    std::string percent = std::to_string(bar.value) + "%";
    percent.insert(0, 5 - percent.size(), ' ');
    return "[" + cells + "]" + percent;
}

}  // namespace

LTerminalProgressLine::LTerminalProgressLine() : enabled(isatty(STDERR_FILENO) == 1) {}

std::string LTerminalProgressLine::Compose(const LWindow& window, int width, int tick) {
    std::string line;
    if (const LControl* bar = window.FindControl(kLProgressBar); bar != nullptr) {
        line = Bar(*bar, tick);
    }
    for (int id : {kLProgressStatus0, kLProgressStatus1}) {
        const std::string text = window.GetItemText(id);
        if (!text.empty()) {
            line += " " + text;
        }
    }
    return CutToColumns(line, width);
}

void LTerminalProgressLine::Draw(const LWindow& window, bool force) {
    if (!enabled) {
        return;
    }
    const unsigned int now = GetTickCount();
    if (!force && shown && now - drawnAt < kRedrawMs) {
        return;
    }
    const std::string line = Compose(window, Width() - 1, tick++);
    if (shown && line == drawn) {
        return;
    }
    LTerminalWriteAll(STDERR_FILENO, "\r" + line + "\x1b[K");
    drawn = line;
    drawnAt = now;
    shown = true;
}

void LTerminalProgressLine::Clear() {
    if (!shown) {
        return;
    }
    LTerminalWriteAll(STDERR_FILENO, "\r\x1b[K");
    shown = false;
    drawn.clear();
}

int LTerminalProgressLine::Width() const {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 1) {
        return size.ws_col;
    }
    return kDefaultWidth;
}
