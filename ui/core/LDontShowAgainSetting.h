#pragma once

#include <string>

class LWindow;

// A message the user can turn off for good: unless the boolean user setting section/key is
// true, shows LMessageBoxDontShowAgain with the tick text "Do not show again." and stores the
// tick's state under the key. True when the message was shown.
bool LMessageBoxDontShowAgainSetting(LWindow* parent, const std::string& message,
                                     const std::string& caption, const std::string& section,
                                     const std::string& key, const std::string& button);
