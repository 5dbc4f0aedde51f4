#pragma once

class LTerminalDevice;
class LWindow;

// Whether dialog asks for nothing but passwords (password fields and buttons, labels aside):
// such a dialog can be run on a terminal as prompts.
bool LTerminalIsPasswordForm(const LWindow& dialog);

// Runs a password dialog as prompts without echo, one per field, labelled by the text before
// the field. After each field but the last, labels the dialog changed in answer (a strength
// rating) are shown; after the last, Return goes to the dialog, whose own checks decide: a
// refused OK (a mismatch, an empty password) asks every field again. Ctrl-C or the end of
// input cancels the dialog.
void LTerminalRunPasswordForm(const LTerminalDevice& terminal, LWindow& dialog);
