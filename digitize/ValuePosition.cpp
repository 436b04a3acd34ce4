#include "digitize/ValuePosition.h"

#include <cmath>

namespace tracol {

namespace {

// A segment of an axis between two anchors (picture position, value), and
// the positions it serves: beyond (or at) `mid` on one side.
struct Segment {
    double pixA, valA, pixB, valB;
};

// The value's position on a segment, linear in the value or in its logarithm:
//   p = pa + (t - ta) / (tb - ta) * (pb - pa),  t = v or ln v.
std::optional<double> positionOn(const Segment& s, double value, bool logarithmic) {
    double t = value, ta = s.valA, tb = s.valB;
    if (logarithmic) {
        if (value <= 0 || s.valA <= 0 || s.valB <= 0)
            return std::nullopt;
        t = std::log(value), ta = std::log(s.valA), tb = std::log(s.valB);
    }
    if (tb == ta)
        return std::nullopt;
    const double p = s.pixA + (t - ta) / (tb - ta) * (s.pixB - s.pixA);
    return std::isfinite(p) ? std::optional<double>(p) : std::nullopt;
}

// With a mid anchor the conversion takes `upper` for positions beyond the mid
// mark and `lower` otherwise; the inverse takes the segment whose answer lies
// where that segment serves, which for a monotone axis is exactly one.
std::optional<double> positionWithMid(const Segment& lower, const Segment& upper, double mid, double value,
                                      bool logarithmic) {
    const std::optional<double> onLower = positionOn(lower, value, logarithmic);
    const std::optional<double> onUpper = positionOn(upper, value, logarithmic);
    if (onUpper && *onUpper > mid)
        return onUpper;
    return onLower ? onLower : onUpper;
}

std::optional<double> xPosition(const SharedState& s, double x, bool logarithmic) {
    if (!s.XmidActive)
        return positionOn({s.PixXmin, s.ValXmin, s.PixXmax, s.ValXmax}, x, logarithmic);
    return positionWithMid({s.PixXmin, s.ValXmin, s.PixXmid, s.ValXmid},
                           {s.PixXmid, s.ValXmid, s.PixXmax, s.ValXmax}, s.PixXmid, x, logarithmic);
}

// Picture y grows downwards: "beyond the mid mark" is below it, towards the origin.
std::optional<double> yPosition(const SharedState& s, double y, bool logarithmic) {
    if (!s.YmidActive)
        return positionOn({s.PixYmin, s.ValYmin, s.PixYmax, s.ValYmax}, y, logarithmic);
    return positionWithMid({s.PixYmax, s.ValYmax, s.PixYmid, s.ValYmid},
                           {s.PixYmid, s.ValYmid, s.PixYmin, s.ValYmin}, s.PixYmid, y, logarithmic);
}

} // namespace

std::optional<QPointF> picturePositionOf(const SharedState& state, AxisKind xKind, AxisKind yKind, double x,
                                         double y) {
    if (xKind == AxisKind::None || yKind == AxisKind::None)
        return std::nullopt;
    if (!(state.XminMarked && state.YminMarked && state.XmaxMarked && state.YmaxMarked))
        return std::nullopt;
    const std::optional<double> px = xPosition(state, x, xKind == AxisKind::Logarithmic);
    const std::optional<double> py = yPosition(state, y, yKind == AxisKind::Logarithmic);
    if (!px || !py)
        return std::nullopt;
    return QPointF(*px, *py);
}

} // namespace tracol
