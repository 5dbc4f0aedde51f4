#pragma once

class LWindow;

// Controls of both progress layouts.
constexpr int kLProgressStatus0 = 101;  // status line 0, the step
constexpr int kLProgressStatus1 = 102;  // status line 1 (any line above 0), the item
constexpr int kLProgressBar = 104;      // whole percent, or indeterminate
constexpr int kLProgressCancel = 105;   // carries the dialog's cancel command

constexpr int kLProgressWidth = 420;
constexpr int kLProgressSheetHeight = 120;
constexpr int kLProgressDialogHeight = 130;

// "LProgressSheet": the progress window hung on its parent.
void DlgGendlgLPROGRESSSHEET(LWindow& window, int x, int y, bool standardButtons);
// "LProgressDialog": the free-standing progress window.
void DlgGendlgLPROGRESSDIALOG(LWindow& window, int x, int y, bool standardButtons);
