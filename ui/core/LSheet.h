#pragma once

class LWindow;

// Whether a message box, chooser or progress window hangs on parent as a sheet: parent is a
// shown window of this program and the host can attach one to it. Otherwise it stands free.
bool LShowAsSheet(const LWindow* parent);
