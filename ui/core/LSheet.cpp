#include "LSheet.h"

#include "LUIHost.h"
#include "LWindow.h"

bool LShowAsSheet(LWindow* parent) {
    LWindow* window = LSheetParent(parent);
    return window != nullptr && window->IsVisible() && LUIHostCurrent().CanAttachSheet(*window);
}

LWindow* LSheetParent(LWindow* parent) {
    return parent != nullptr ? &parent->TopLevel() : nullptr;
}
