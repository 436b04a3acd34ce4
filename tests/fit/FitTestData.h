#pragma once
// Shared helpers of the fitting tests: Lines put into the shared state as the
// DataSet window prepares them before a computation.

#include "core/SharedState.h"

#include <QString>

#include <cmath>
#include <functional>
#include <vector>

namespace tracol::fittest {

struct Point {
    QString x, y;
};

// Line `line` with the given points and parameter, appended to LineOrder.
inline void addLine(SharedState& state, int line, const std::vector<Point>& points,
                    const QString& parameter) {
    const size_t l = static_cast<size_t>(line);
    state.LoadedLineKind[l] = 1;
    state.LoadedLineCount[l] = static_cast<qint16>(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        state.PointXText[l][i + 1] = points[i].x;
        state.PointYText[l][i + 1] = points[i].y;
    }
    state.LineParameter[l] = parameter;
    ++state.LinesInUse;
    state.LineOrder[static_cast<size_t>(state.LinesInUse)] = static_cast<qint16>(line);
}

// n points x = first, first + dx, ... with y = f(x), as short texts.
inline std::vector<Point> sampled(int n, double first, double dx, const std::function<double(double)>& f) {
    std::vector<Point> out;
    for (int i = 0; i < n; ++i) {
        const double x = first + dx * i;
        out.push_back({QString::number(x, 'g', 7), QString::number(f(x), 'g', 7)});
    }
    return out;
}

// A curve no single polynomial of degree 3 follows: a step-like sigmoid.
inline double wiggle(double x) {
    return 3.0 + std::tanh(3.0 * (x - 5.0)) + 0.3 * std::sin(2.1 * x);
}

// Only system A (X - Y) included, as after the standard conditions.
inline void standardConditions(SharedState& state) {
    state.CutoffError = 0.00076f;
    state.ErrorMode = 2;
    state.MaxDivisions = 3;
    state.ExcludedSystems = {0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0};
}

} // namespace tracol::fittest
