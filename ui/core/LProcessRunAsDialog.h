#pragma once

#include "LProcessDialog.h"

// Runs Process(LProcessInterface&, T&) on record under a progress window titled title, as a sheet
// on parent when parent can take one. Returns once the process has returned and the window is gone;
// Failed, without running anything, when the window cannot be made.
template <typename T>
LProcessResult ProcessRunAsDialog(LWindow* parent, const char* title, T& record) {
    LProcessDialog<T> dialog(title, record);
    dialog.Run(parent);
    return dialog.Result();
}
