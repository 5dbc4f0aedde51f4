#include "LMenuBarLock.h"

#include "LUIHost.h"

namespace {

int depth = 0;

}  // namespace

LMenuBarLock::LMenuBarLock() {
    if (depth++ == 0) {
        LUIHostCurrent().SetMenuBarEnabled(false);
    }
}

LMenuBarLock::~LMenuBarLock() {
    if (--depth == 0) {
        LUIHostCurrent().SetMenuBarEnabled(true);
    }
}

int LMenuBarLock::Depth() {
    return depth;
}
