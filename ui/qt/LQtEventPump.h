#pragma once

#include "LUIHost.h"

// The event pump processes on the main thread run through: everything Qt has pending now, without
// waiting, in two short passes (the second drains what the first produced). Qt cannot count its
// queue, so each pass dispatches what is ready at that moment. True when anything was dispatched.
bool LQtPumpEvents();

// Waits at most ms (0xFFFFFFFF: for ever) for the next event and dispatches what arrived, or for
// wakeFd (when not -1) to become readable.
LUIWaitResult LQtWaitForEvent(unsigned int ms, int wakeFd);

// The event loop is ending: the application is quitting, so a wait that needs more events would
// never see them.
bool LQtIsQuitting();
void LQtSetQuitting();
