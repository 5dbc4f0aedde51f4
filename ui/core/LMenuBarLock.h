#pragma once

// Keeps the menu bar's items disabled while it lives. Boxes and choosers nest, so the items
// come back only when the last one closes.
class LMenuBarLock {
public:
    LMenuBarLock();
    ~LMenuBarLock();
    LMenuBarLock(const LMenuBarLock&) = delete;
    LMenuBarLock& operator=(const LMenuBarLock&) = delete;

    // How many locks are held now.
    static int Depth();
};
