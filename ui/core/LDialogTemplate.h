#pragma once

#include <string>

class LWindow;

// A generated layout DlgGendlg<NAME>: creates every control of the dialog at origin (x, y)
// plus its offset; with standardButtons it also creates the Help, Cancel and OK buttons (a
// stand-alone dialog), without them it lays out a wizard or property page.
using LLayoutFunction = void (*)(LWindow& window, int x, int y, bool standardButtons);

// The declaration of a dialog or page.
struct LDialogTemplate {
    int width = 0;  // points
    int height = 0;
    std::string title;        // window title; not shown for a wizard page
    unsigned attributes = 0;  // window attributes to add (none in this program)
    LLayoutFunction layout = nullptr;
};
