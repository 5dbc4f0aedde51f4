#pragma once

class LWindow;

// Whether a message box, chooser or progress window hangs on parent as a sheet: parent is a
// shown window of this program and the host can attach one to it. Otherwise it stands free.
// A page stands for the window that holds it.
bool LShowAsSheet(LWindow* parent);

// The window a box or chooser asked from parent belongs to: parent's top-level window, or
// null.
LWindow* LSheetParent(LWindow* parent);
