#pragma once
// Emptying every Line before new data arrive (a data-set file or a new image):
// no points, counts 0, parameters "1".."10", Line 1 current.

#include "core/SharedState.h"

namespace tracol {

void resetAllLines(SharedState& state);

} // namespace tracol
