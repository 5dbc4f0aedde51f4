#pragma once

#include "LPasswordStrength.h"

class LWindow;

// Rates a password field while it is typed and compares it with a confirmation field. The
// dialog calls Update from Command when the attach command arrives (the program uses 10000).
class LStrengthMeter {
public:
    static constexpr int kCommand = 10000;

    // Both fields send Command(command) on every change; the meter updates once. A
    // confirmationId of -1 attaches no confirmation: the match is then always true.
    void Attach(LWindow& dialog, int passwordId, int strengthTextId, int confirmationId,
                int matchTextId, int command);
    void Update();

    LPasswordStrength Strength() const { return strength; }
    bool Match() const { return match; }

private:
    LWindow* dialog = nullptr;
    int passwordId = -1;
    int strengthTextId = -1;
    int confirmationId = -1;
    int matchTextId = -1;
    bool tracking = false;
    LPasswordStrength strength = LPasswordStrengthWeak;
    bool match = false;
};
