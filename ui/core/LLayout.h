#pragma once

#include "LControl.h"

#include <string>

class LWindow;

// The control declarations the layout functions DlgGendlg<NAME> are made of. Positions are
// already offset by the layout's origin. Single-line fields, popups, combo boxes, separators
// and progress bars leave their height to the toolkit (0). Each returns the new control.

LControl& LLayoutStaticText(LWindow& window, int id, const std::string& text,
                            LTextAlignment alignment, LRect rect);
LControl& LLayoutEditField(LWindow& window, int id, int x, int y, int width);
LControl& LLayoutPasswordField(LWindow& window, int id, int x, int y, int width);
LControl& LLayoutMultiLineEdit(LWindow& window, int id, LRect rect);
// id 'ok  ' makes the default button, 'not!' the cancel button (Return and Escape), 'ahlp'
// the round help button at (rect.x, rect.y), whatever size is given.
LControl& LLayoutPushButton(LWindow& window, int id, const std::string& title, LRect rect);
LControl& LLayoutCheckBox(LWindow& window, int id, const std::string& title, LRect rect);
LControl& LLayoutRadioButton(LWindow& window, int id, const std::string& title, LRect rect);
LControl& LLayoutGroupBox(LWindow& window, int id, const std::string& title, LRect rect);
LControl& LLayoutSeparator(LWindow& window, int x, int y, int width);
LControl& LLayoutPopupMenu(LWindow& window, int id, int x, int y, int width);
LControl& LLayoutComboBox(LWindow& window, int id, int x, int y, int width);
LControl& LLayoutListView(LWindow& window, int id, LRect rect);
LControl& LLayoutProgressBar(LWindow& window, int id, int x, int y, int width);

// The round help button and Cancel and OK (100 x 20) of a stand-alone dialog width points
// wide, in a row at y: Help at 18, Cancel at width - 232, OK at width - 118.
void LLayoutStandardButtons(LWindow& window, int x, int y, int width);
