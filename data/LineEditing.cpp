#include "data/LineEditing.h"

#include "core/NumericText.h"
#include "data/TextLines.h"

namespace tracol {

void appendSampledPoint(SharedState& state, int line, const QString& xText, const QString& yText) {
    state.PointCount[line] = static_cast<qint16>(state.PointCount[line] + 1);
    // A point the user typed into the box without ending its line keeps a
    // line of its own: the new point never runs on into it.
    state.LineBox[line] =
        withFinalCrLf(state.LineBox[line]) + trimBlanks(xText) + u',' + trimBlanks(yText) + kCrLf;
}

void deleteLineAndShift(SharedState& state, int line) {
    for (int k = line; k < kLineCount; ++k) {
        state.LineBox[k] = state.LineBox[k + 1];
        state.LineText[k] = state.LineText[k + 1];
        state.PointCount[k] = state.PointCount[k + 1];
        state.LineParameter[k] = state.LineParameter[k + 1];
    }
    state.LineBox[kLineCount].clear();
    state.LineText[kLineCount].clear();
    state.PointCount[kLineCount] = 0;
    state.LineParameter[kLineCount] = numtext::plainInteger(kLineCount);
}

} // namespace tracol
