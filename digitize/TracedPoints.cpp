#include "digitize/TracedPoints.h"

#include "digitize/Module20.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tracol {

namespace {

// A state of its own that holds just the calibration, so that converting
// positions never touches the window's ClickX, ClickY or flags.
std::shared_ptr<SharedState> calibrationCopy(const SharedState& from) {
    auto to = std::make_shared<SharedState>();
    to->PixXmin = from.PixXmin;
    to->PixXmax = from.PixXmax;
    to->PixYmin = from.PixYmin;
    to->PixYmax = from.PixYmax;
    to->ValXmin = from.ValXmin;
    to->ValXmax = from.ValXmax;
    to->ValYmin = from.ValYmin;
    to->ValYmax = from.ValYmax;
    to->XmidActive = from.XmidActive;
    to->YmidActive = from.YmidActive;
    to->PixXmid = from.PixXmid;
    to->PixYmid = from.PixYmid;
    to->ValXmid = from.ValXmid;
    to->ValYmid = from.ValYmid;
    return to;
}

// The point at `target` of a quantity that runs along the polyline with the
// values `along`, searched from segment `from` on; the segment found is
// left in `from`.
std::optional<QPointF> pointAt(const std::vector<QPointF>& line, const std::vector<double>& along,
                               double target, size_t& from) {
    for (size_t i = from; i + 1 < line.size(); ++i) {
        const double a = along[i], b = along[i + 1];
        if (target < std::min(a, b) || target > std::max(a, b))
            continue;
        from = i;
        const double f = b == a ? 0 : (target - a) / (b - a);
        return line[i] + (line[i + 1] - line[i]) * f;
    }
    return std::nullopt;
}

} // namespace

XScale graphXScale(const SharedState& calibration, AxisKind xKind) {
    if (xKind == AxisKind::None)
        return [](double pixelX) { return std::optional<double>(pixelX); };
    std::shared_ptr<SharedState> state = calibrationCopy(calibration);
    return [state, xKind](double pixelX) -> std::optional<double> {
        state->ClickX = float(pixelX * kTwipsPerPixel);
        const std::optional<double> value = Module20::axisValue(*state, Axis::X, xKind);
        if (!value || xKind == AxisKind::Linear)
            return value;
        return std::log(*value);
    };
}

std::vector<QPointF> spacedPoints(const std::vector<QPointF>& centreline, int count, PointSpacing spacing,
                                  const XScale& scale) {
    count = std::clamp(count, 2, kMaxLinePoints);
    if (centreline.size() < 2)
        return {};
    // The quantity to space evenly, at each vertex: X on the graph's scale,
    // or the length along the curve.
    std::vector<double> along(centreline.size());
    for (size_t i = 0; i < centreline.size(); ++i) {
        if (spacing == PointSpacing::AlongCurve) {
            const QPointF step = i == 0 ? QPointF() : centreline[i] - centreline[i - 1];
            along[i] = (i == 0 ? 0 : along[i - 1]) + std::hypot(step.x(), step.y());
            continue;
        }
        const std::optional<double> x = scale(centreline[i].x());
        if (!x)
            return {};
        along[i] = *x;
    }
    const double first = along.front(), last = along.back();
    std::vector<QPointF> points;
    points.reserve(count);
    size_t segment = 0;
    for (int k = 0; k < count; ++k) {
        const double target = k == count - 1 ? last : first + (last - first) * k / (count - 1);
        if (const std::optional<QPointF> p = pointAt(centreline, along, target, segment))
            points.push_back(*p);
    }
    return points;
}

std::vector<QPointF> tracedPointPositions(const TracedCurve& curve, int count, PointSpacing spacing,
                                          const SharedState& calibration, AxisKind xKind) {
    if (!curve.traced())
        return {};
    std::vector<QPointF> points =
        spacedPoints(curve.centreline, count, spacing, graphXScale(calibration, xKind));
    for (QPointF& p : points)
        p *= kTwipsPerPixel;
    return points;
}

std::vector<GraphValue> graphValuesOf(const SharedState& calibration, const ConversionView& view,
                                      const std::vector<QPointF>& positions) {
    std::shared_ptr<SharedState> state = calibrationCopy(calibration);
    std::vector<GraphValue> values;
    values.reserve(positions.size());
    for (const QPointF& p : positions) {
        state->ClickX = float(p.x());
        state->ClickY = float(p.y());
        GraphValue value;
        if (const AxisKind kind = view.axisKind(Axis::X); kind != AxisKind::None)
            value.x = Module20::axisValue(*state, Axis::X, kind);
        if (const AxisKind kind = view.axisKind(Axis::Y); kind != AxisKind::None)
            value.y = Module20::axisValue(*state, Axis::Y, kind);
        values.push_back(value);
    }
    return values;
}

} // namespace tracol
