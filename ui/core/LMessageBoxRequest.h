#pragma once

#include "LControl.h"

#include <string>
#include <vector>

class LWindow;

enum class LMessageBoxIcon { Stop, Caution, Note, Application };

// Everything a host needs to show one message box.
struct LMessageBoxRequest {
    LWindow* parent = nullptr;
    bool sheet = false;           // attach to the parent rather than stand free
    bool centreOnParent = false;  // placed as the wizard is, not as an alert
    LMessageBoxIcon icon = LMessageBoxIcon::Note;
    std::string caption;               // the bold main text
    std::string message;               // the explanation, carriage returns already removed
    std::vector<std::string> buttons;  // in order; at least one
    int defaultButton = 0;             // index Return presses
    int cancelButton = -1;             // index Escape presses, -1 when none
    std::string tickText;              // empty: no tick box
    bool tick = false;                 // its state when the box opens
    int minimumWidth = 0;              // points; 0 leaves it to the host
    int minimumHeight = 0;
};

// What the user did: the index of the button pressed, or -1 when the box could not be asked
// (taken as its cancel button, or as the only button), and the tick box's state.
struct LMessageBoxAnswer {
    int button = -1;
    bool tick = false;
};
