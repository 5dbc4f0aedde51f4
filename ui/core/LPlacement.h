#pragma once

#include "LControl.h"

// Where a dialog of the given content size goes: centred horizontally in the screen area and
// at one third of the free height from its top.
LRect LPlaceDialog(const LRect& screen, int width, int height);

// Where a window centred on its parent's screen goes (the wizard, the "do not show again" box).
LRect LPlaceCentred(const LRect& screen, int width, int height);

// Where a bubble tip of the given size goes beside a control (in screen points): to its right,
// or to its left on screens at most 1024 points wide; vertically centred on the control; and
// moved back onto the screen where it would leave it.
LRect LBubbleTipPlace(const LRect& screen, const LRect& control, int width, int height);
