#pragma once

#include <string>

class LWindow;

// The caption of every message box unless its caller names another.
inline constexpr const char* kLMessageBoxCaption = "ZEL Encryption Software";

// Modal message boxes. The caption is the bold main text and the message its explanation
// (carriage returns removed). A box hangs on parent as a sheet when parent is shown and can
// take one; otherwise (parent null or hidden) it stands free. A box that cannot be asked
// counts as cancelled.

void LMessageBoxError(LWindow* parent, const std::string& message,
                      const std::string& caption = kLMessageBoxCaption);
void LMessageBoxWarning(LWindow* parent, const std::string& message,
                        const std::string& caption = kLMessageBoxCaption);
void LMessageBoxInfo(LWindow* parent, const std::string& message,
                     const std::string& caption = kLMessageBoxCaption);
// The note icon and one button with the given title.
void LMessageBoxButton(LWindow* parent, const std::string& message, const std::string& caption,
                       const std::string& button);
// button (the default) and "Cancel"; true when button was chosen.
bool LMessageBoxOKCancel(LWindow* parent, const std::string& message, const std::string& caption,
                         const std::string& button);
// first (the default) and second; true when first was chosen.
bool LMessageBoxTwoButtons(LWindow* parent, const std::string& message, const std::string& caption,
                           const std::string& first, const std::string& second);
// first (the default), cancel (Escape) and other; returns kLCommandOK, kLCommandCancel or
// kLCommandOther.
int LMessageBoxThreeButtons(LWindow* parent, const std::string& message, const std::string& caption,
                            const std::string& first, const std::string& cancel,
                            const std::string& other);
// Three buttons and a tick box: returns 1 for first (the default), 3 for second and 2 for
// third (Escape), and writes back the tick's state.
int LMessageBoxThreeButtonsTick(LWindow* parent, const std::string& message,
                                const std::string& caption, const std::string& tickText, bool& tick,
                                const std::string& first, const std::string& second,
                                const std::string& third);
// A small window (474 x 134 points at least) with the application icon, the message, a tick
// box and one button, centred on the parent's screen; writes back the tick's state.
void LMessageBoxDontShowAgain(LWindow* parent, const std::string& message,
                              const std::string& caption, const std::string& tickText, bool& tick,
                              const std::string& button);
