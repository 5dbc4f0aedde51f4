#pragma once

#include "LWindow.h"

// A page of a wizard or a property sheet: a window whose controls live inside its container's
// window and are created once, by its template's layout without the standard buttons.
class LPage : public LWindow {
public:
    using LWindow::LWindow;

    virtual void EvPageActivate() {}
    virtual void EvPageDeactivate() {}
    // The page's area in its container: the layout origin and the template's size.
    virtual LRect PageRect() const {
        return {origin.x, origin.y, dialogTemplate.width, dialogTemplate.height};
    }
    virtual bool IsPageEnabled() { return true; }

    // Used by the container.
    void SetTemplate(const LDialogTemplate& declared) { dialogTemplate = declared; }
    // Runs the layout at (x, y) the first time; later calls do nothing.
    void BuildPage(int x, int y);
    bool IsBuilt() const { return built; }
    // Forgets the controls, for a container that is opened again.
    void ResetPage();

private:
    LRect origin;
    bool built = false;
};

class LWizardPage : public LPage {
public:
    using LPage::LPage;
};

class LPropertyPage : public LPage {
public:
    using LPage::LPage;
};
