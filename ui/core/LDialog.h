#pragma once

#include "LUIHost.h"
#include "LWindow.h"

// A window run modally with OK, Cancel and Help. DoModal builds it from its template, runs the
// hooks in their order (InitDialog, RefreshControls, commands, EvDestroy) and returns whether
// it ended with OK.
class LDialog : public LWindow {
public:
    using LWindow::LWindow;

    // False at once, without a message, when the host cannot make the window.
    virtual bool DoModal(LWindow* parent);

    // Shows the window without running a modal loop (a progress window, as a sheet on parent
    // or free-standing): built, placed, made, initialised, shown and refreshed. False when the
    // host cannot make it. Dispose ends it.
    bool Open(LWindow* parent, LWindowForm form);
    // Hides the window, runs EvDestroy, brings a shown parent to the front again and lets the
    // host dispose of the window.
    void Dispose();

protected:
    // Creates the controls: by default the template's layout at (0, 0) with the standard
    // buttons.
    virtual void BuildControls();
    // The window's place on the screen: by default centred horizontally on the main screen, at
    // a third of the free height.
    virtual LRect Placement() const;
    // Runs once the window is shown and refreshed, before the modal loop.
    virtual void AfterShow() {}
};
