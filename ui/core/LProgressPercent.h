#pragma once

#include <algorithm>
#include <cmath>

// A fraction of a run as the whole percent a bar shows, truncated toward zero (0.999 is 99).
// Fractions outside [0, 1] and NaN are pinned first, since converting them would be undefined.
inline int LProgressPercent(double fraction) {
    const double pinned = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    return static_cast<int>(pinned * 100.0);
}
