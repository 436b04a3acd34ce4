#pragma once
// The fitting's worst case: ten Lines of 100 points on a curve no single
// equation follows, all seven coordinate systems, three sections at most and
// a cutoff error that is never reached, so every split is tried.

#include "core/SharedState.h"

#include <QString>

#include <cmath>

namespace tracol::bench {

// The conditions of the worst case (set again after a screen's loading).
inline void worstCaseConditions(SharedState& state) {
    state.CutoffError = 1e-30f;
    state.ErrorMode = 2;
    state.MaxDivisions = 3;
    state.ExcludedSystems = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

inline SharedState worstCase() {
    SharedState state;
    worstCaseConditions(state);
    state.LinesInUse = kLineCount;
    for (int line = 1; line <= kLineCount; ++line) {
        const size_t l = static_cast<size_t>(line);
        state.LineOrder[l] = static_cast<qint16>(line);
        state.LineParameter[l] = QString::number(line * 1.5);
        state.LoadedLineKind[l] = 1;
        state.LoadedLineCount[l] = kMaxLinePoints;
        state.PointCount[l] = kMaxLinePoints;
        for (int i = 1; i <= kMaxLinePoints; ++i) {
            const double x = 0.1 * i;
            // Positive everywhere, with a step and a ripple: every system applies,
            // none fits.
            const double y = 4.0 + line * 0.1 + std::tanh(3.0 * (x - 5.0)) + 0.4 * std::sin(2.7 * x);
            state.PointXText[l][static_cast<size_t>(i)] = QString::number(x, 'g', 7);
            state.PointYText[l][static_cast<size_t>(i)] = QString::number(y, 'g', 7);
        }
    }
    state.WorkEstimate = 3000;
    return state;
}

} // namespace tracol::bench
