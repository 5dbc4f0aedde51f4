#pragma once

#include "LQtHost.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

// Pictures of the program's windows as the Qt host shows them, saved as PNG files in one
// folder. A scene opens a window (usually in a modal loop); the studio waits until the window
// is up, saves the picture and lets the scene close it again.
class LScreenshots {
public:
    using Widgets = std::vector<QWidget*>;

    LScreenshots(LQtHost& host, std::string folder);

    LQtHost& Host() { return host; }

    // Once find gives widgets that are all shown, runs prepare (when given), lets pending
    // events run, saves them as one picture under name and then runs close, which ends what
    // the scene opened. Call it just before the scene opens its window. A window that never
    // comes ends the program: it is stuck in a modal loop nobody will close.
    void WhenShown(const std::string& name, std::function<Widgets()> find,
                   std::function<void()> prepare, std::function<void()> close);

    // Saves widgets (top-level windows) as one picture, each at its place on the screen.
    bool Save(const std::string& name, const Widgets& widgets);

    const std::vector<std::string>& Saved() const { return saved; }
    int Failures() const { return failures; }

private:
    LQtHost& host;
    std::string folder;
    std::vector<std::string> saved;
    int failures = 0;
};

// Every scene there is, in order: each opens a window of the program and has it pictured.
void LScreenshotScenes(LScreenshots& studio);
