#pragma once

#include "LProgressDialog.h"

// The progress window of one run: Process(LProcessInterface&, T&) over the caller's record, with
// this window as the process interface. The result stays Failed until the process has returned one,
// so a window that never opened reads as a failed run.
template <typename T>
class LProcessDialog : public LProgressDialog {
public:
    LProcessDialog(const char* title, T& record) : LProgressDialog(title), params(&record) {}

    LProcessResult Result() const { return result; }

protected:
    bool MainFunction() override {
        result = Process(static_cast<LProcessInterface&>(*this), *params);
        return true;
    }

private:
    LProcessResult result = LProcessResultFailed;
    T* params;  // not owned
};
