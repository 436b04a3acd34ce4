#include "data/LinesReset.h"

namespace tracol {

void resetAllLines(SharedState& state) {
    for (int line = 1; line <= kLineCount; ++line) {
        state.LineBox[line].clear();
        state.PointCount[line] = 0;
        state.LineText[line].clear();
        state.LineParameter[line] = QString::number(line);
    }
    state.CurrentLine = 1;
    state.UnsavedPoints = false;
}

} // namespace tracol
