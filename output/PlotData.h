#pragma once
// What a plot shows before it is laid out on a drawing area: the axes' ranges
// after tick extension and their marks, the data points within the range, the
// curve points of every fitted section and the Parameter anchors, in graph
// values. Gathering it reads (and sorts) the shared state and samples the
// curves; laying it out (output/PlotLayout.h) only places it, so a resized
// window lays the same data out again without touching the state.

#include "output/PlotTicks.h"

#include <QPointF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tracol {

struct PlotAxisRange {
    double min = 0, max = 0; // after extension to the tick grid or widening
    bool log = false;        // effective: a ticked Log box with min <= 0 draws linearly
    double step = 0;         // linear axis: tick step
    int intervals = 0;       // linear axis: number of intervals
    std::vector<AxisMark> marks;

    // v lies within the range, ends included; the ends are computed from
    // Single values, so a value off an end by Single rounding still counts.
    bool contains(double v) const {
        const double tolerance = 1e-6 * std::max(std::fabs(min), std::fabs(max));
        return v >= min - tolerance && v <= max + tolerance;
    }
};

struct PlotDataPoint {
    int line = 0;
    double x = 0, y = 0;
};

struct PlotSectionCurve {
    int line = 0, section = 0;
    std::vector<QPointF> points; // CurveX / CurveY as sampled, graph values
};

// A Line's Parameter text at the first of its points (ascending X) within
// the plotted range.
struct PlotParameterAnchor {
    int line = 0;
    QString text;
    double x = 0, y = 0;
};

struct PlotData {
    bool usable = false; // false: the range is unusable and nothing is drawn
    PlotAxisRange x, y;
    std::vector<PlotDataPoint> points; // every point within the plotted range
    std::vector<PlotSectionCurve> curves;
    std::vector<PlotParameterAnchor> parameters;
    bool showParameters = false; // ParaShown
    // The sampler switched PlotLogX off while the curves were sampled; the
    // axes keep the mapping they were computed with.
    bool logXSwitchedOffBySampler = false;
};

} // namespace tracol
