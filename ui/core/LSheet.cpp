#include "LSheet.h"

#include "LUIHost.h"
#include "LWindow.h"

bool LShowAsSheet(const LWindow* parent) {
    return parent != nullptr && parent->IsVisible() && LUIHostCurrent().CanAttachSheet(*parent);
}
