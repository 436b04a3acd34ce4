#pragma once
// Rounding a double to a Single (float) the way the hardware does, also for
// values beyond the Single range (they become infinite), without the
// undefined behaviour of a plain cast of an out-of-range value.

#include <cfloat>
#include <cmath>

namespace tracol {

inline float toSingle(double value) {
    if (value > FLT_MAX)
        return INFINITY;
    if (value < -FLT_MAX)
        return -INFINITY;
    return static_cast<float>(value);
}

} // namespace tracol
