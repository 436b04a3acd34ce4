#pragma once
// A traced curve turned into the points that are appended to the current
// Line: `count` picture positions (twips, fractions kept) spaced evenly in X
// on the graph's own scale - in the logarithm of X on a logarithmic axis,
// through the mid-point correction where one is in force - or evenly along
// the curve. The window converts and appends each position exactly as a
// click (ClickX/ClickY, ConvertClick, appendSampledPoint).

#include "core/SharedState.h"
#include "digitize/ConversionView.h"
#include "digitize/CurveTracing.h"

#include <QPointF>

#include <functional>
#include <optional>
#include <vector>

namespace tracol {

inline constexpr int kDefaultTracedPointCount = 30;

enum class PointSpacing {
    EvenInX,    // equal steps of X on the graph's scale
    AlongCurve, // equal steps of length along the curve
};

// Where a pixel column lies on the graph's X scale: the X value, or its
// logarithm on a logarithmic axis; no value where the conversion fails.
using XScale = std::function<std::optional<double>(double pixelX)>;

// The X scale of the calibration, converted as Module20 converts a click.
// An axis of no kind is spaced in pixels.
XScale graphXScale(const SharedState& calibration, AxisKind xKind);

// `count` points (2..100) on the centreline, in pixels. Evenly in X runs
// from the curve's left end to its right end and takes, for each X in
// turn, the next place along the curve that has it, so a curve that is not
// a function of X still gives one point per step.
std::vector<QPointF> spacedPoints(const std::vector<QPointF>& centreline, int count, PointSpacing spacing,
                                  const XScale& scale);

// The points of a traced curve as picture positions in twips.
std::vector<QPointF> tracedPointPositions(const TracedCurve& curve, int count, PointSpacing spacing,
                                          const SharedState& calibration, AxisKind xKind);

// The graph values of picture positions, as ConvertClick gives them with
// the view's axis kinds (no value for an axis of no kind or a failed
// conversion).
struct GraphValue {
    std::optional<double> x, y;
};
std::vector<GraphValue> graphValuesOf(const SharedState& calibration, const ConversionView& view,
                                      const std::vector<QPointF>& positions);

} // namespace tracol
