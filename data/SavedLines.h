#pragma once
// Which sampled points were never saved: keyboard entry replaces the Lines,
// and asks first when the DataSet window holds points that a data-set file
// does not hold.

#include "core/SharedState.h"

namespace tracol {

// After a save of `saveKind` (0 all Lines, 1 the Line `selectedLine`): the
// Lines that were written whole now match what is on disk.
void markLinesSaved(SharedState& state, int saveKind, int selectedLine);

// True when a Line holds points (a text with a comma) that differ from what
// was last saved or loaded.
bool hasUnsavedPoints(const SharedState& state);

} // namespace tracol
