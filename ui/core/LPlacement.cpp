#include "LPlacement.h"

#include <algorithm>

namespace {

constexpr int kBubbleTipGap = 8;
constexpr int kNarrowScreen = 1024;

int KeepInside(int position, int size, int start, int extent) {
    return std::max(start, std::min(position, start + extent - size));
}

}  // namespace

LRect LPlaceDialog(const LRect& screen, int width, int height) {
    return {screen.x + (screen.width - width) / 2,
            screen.y + std::max(screen.height - height, 0) / 3, width, height};
}

LRect LPlaceCentred(const LRect& screen, int width, int height) {
    return {screen.x + (screen.width - width) / 2, screen.y + (screen.height - height) / 2, width,
            height};
}

LRect LBubbleTipPlace(const LRect& screen, const LRect& control, int width, int height) {
    const bool narrow = screen.width <= kNarrowScreen;
    const int x =
        narrow ? control.x - kBubbleTipGap - width : control.x + control.width + kBubbleTipGap;
    const int y = control.y + (control.height - height) / 2;
    return {KeepInside(x, width, screen.x, screen.width),
            KeepInside(y, height, screen.y, screen.height), width, height};
}
