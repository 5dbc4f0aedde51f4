#include "LTerminalQuestion.h"

#include "LTerminalDevice.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Listing(const LMessageBoxRequest& request) {
    std::string text;
    if (!request.caption.empty()) {
        text += request.caption + "\n";
    }
    if (!request.message.empty()) {
        text += request.message + "\n";
    }
    for (size_t i = 0; request.buttons.size() > 1 && i < request.buttons.size(); ++i) {
        text += "  " + std::to_string(i + 1) + ") " + request.buttons[i] + "\n";
    }
    return text;
}

// -1 on Ctrl-C or the end of input.
int AskButton(const LTerminalDevice& terminal, const LMessageBoxRequest& request) {
    const std::string prompt = "Choose 1-" + std::to_string(request.buttons.size()) + " [" +
                               std::to_string(request.defaultButton + 1) + "]: ";
    std::string line;
    while (terminal.ReadLine(prompt, line, true) == LTerminalReadResult::Line) {
        const int button = LTerminalButtonAnswer(request, line);
        if (button >= 0) {
            return button;
        }
        terminal.Write("Please answer with a number from the list.\n");
    }
    return -1;
}

// The tick's new state; unchanged by an empty answer. False when the question was abandoned.
bool AskTick(const LTerminalDevice& terminal, const std::string& text, bool& tick) {
    const std::string prompt = text + (tick ? " [Y/n]: " : " [y/N]: ");
    std::string line;
    while (terminal.ReadLine(prompt, line, true) == LTerminalReadResult::Line) {
        const std::string answer = Lower(Trim(line));
        if (answer.empty()) {
            return true;
        }
        if (answer == "y" || answer == "yes" || answer == "n" || answer == "no") {
            tick = answer[0] == 'y';
            return true;
        }
        terminal.Write("Please answer y or n.\n");
    }
    return false;
}

}  // namespace

int LTerminalButtonAnswer(const LMessageBoxRequest& request, const std::string& answer) {
    const std::string typed = Lower(Trim(answer));
    const int count = static_cast<int>(request.buttons.size());
    if (typed.empty()) {
        return request.defaultButton;
    }
    if (std::all_of(typed.begin(), typed.end(), [](unsigned char c) { return std::isdigit(c); })) {
        const int number = typed.size() <= 3 ? std::stoi(typed) : 0;
        return number >= 1 && number <= count ? number - 1 : -1;
    }
    int found = -1;
    for (int i = 0; i < count; ++i) {
        const std::string title = Lower(request.buttons[static_cast<size_t>(i)]);
        if (title == typed) {
            return i;
        }
        if (title.compare(0, typed.size(), typed) == 0) {
            found = found == -1 ? i : -2;
        }
    }
    return found >= 0 ? found : -1;
}

LMessageBoxAnswer LTerminalAsk(const LTerminalDevice& terminal, const LMessageBoxRequest& request) {
    LMessageBoxAnswer answer{-1, request.tick};
    terminal.Write(Listing(request));
    answer.button = request.buttons.size() == 1 ? 0 : AskButton(terminal, request);
    if (answer.button < 0) {
        return {-1, request.tick};
    }
    if (!request.tickText.empty() && answer.button != request.cancelButton &&
        !AskTick(terminal, request.tickText, answer.tick)) {
        return {-1, request.tick};
    }
    return answer;
}
