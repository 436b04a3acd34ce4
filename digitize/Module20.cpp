#include "digitize/Module20.h"

#include "core/NumericText.h"

#include <cfloat>
#include <cmath>

namespace tracol::Module20 {

namespace {

// One segment of an axis: the anchors a and b (picture position, value).
struct Segment {
    double pixA, valA, pixB, valB;
};

// The segment that holds the click. Each axis is interpolated through at most
// three anchors (min, mid, max); a position exactly on the mid mark belongs to
// the lower-x segment of X and to the upper segment of Y, and yields the mid
// value. Positions beyond the marks use the outer segment (extrapolation).
Segment segmentFor(const SharedState& s, Axis axis, bool logarithmic) {
    if (axis == Axis::X) {
        if (!s.XmidActive)
            return {s.PixXmin, s.ValXmin, s.PixXmax, s.ValXmax};
        if (s.ClickX > s.PixXmid)
            return {s.PixXmid, s.ValXmid, s.PixXmax, s.ValXmax};
        return {s.PixXmin, s.ValXmin, s.PixXmid, s.ValXmid};
    }
    if (!s.YmidActive) {
        return logarithmic ? Segment{s.PixYmin, s.ValYmin, s.PixYmax, s.ValYmax}
                           : Segment{s.PixYmax, s.ValYmax, s.PixYmin, s.ValYmin};
    }
    if (s.ClickY > s.PixYmid) {
        return logarithmic ? Segment{s.PixYmin, s.ValYmin, s.PixYmid, s.ValYmid}
                           : Segment{s.PixYmid, s.ValYmid, s.PixYmin, s.ValYmin};
    }
    return logarithmic ? Segment{s.PixYmid, s.ValYmid, s.PixYmax, s.ValYmax}
                       : Segment{s.PixYmax, s.ValYmax, s.PixYmid, s.ValYmid};
}

bool withinSingleRange(double value) {
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

} // namespace

std::optional<double> axisValue(const SharedState& state, Axis axis, AxisKind kind) {
    const bool logarithmic = kind == AxisKind::Logarithmic;
    const Segment seg = segmentFor(state, axis, logarithmic);
    const double position = axis == Axis::X ? state.ClickX : state.ClickY;
    const double span = seg.pixB - seg.pixA;
    if (span == 0)
        return std::nullopt;

    if (!logarithmic) {
        // v = va + (vb - va) / (pb - pa) * (p - pa), stored as a Single.
        const double value = seg.valA + (seg.valB - seg.valA) / span * (position - seg.pixA);
        if (!withinSingleRange(value))
            return std::nullopt;
        return static_cast<float>(value);
    }
    // v = va * exp((p - pa) / (pb - pa) * ln(vb / va)), in Double.
    if (seg.valA <= 0 || seg.valB / seg.valA <= 0)
        return std::nullopt;
    const double value = seg.valA * std::exp((position - seg.pixA) / span * std::log(seg.valB / seg.valA));
    if (!withinSingleRange(value))
        return std::nullopt;
    return value;
}

namespace {

bool preconditionsMet(SharedState& state) {
    if (state.CheckedBaseCount != 4) {
        state.NotReady = true;
        return false;
    }
    // A base box checked again but not yet marked has its position at 0.
    if (!state.XminMarked || !state.XmaxMarked || !state.YmaxMarked)
        return false;
    return state.ConversionOn && state.ConversionPending;
}

} // namespace

ConversionResult ConvertClick(SharedState& state, ConversionView& view) {
    if (!preconditionsMet(state))
        return ConversionResult::NotConverted;

    // Both axes are computed before anything is written, so a failed click
    // never leaves one new value beside an old one.
    std::optional<QString> texts[2];
    for (Axis axis : {Axis::X, Axis::Y}) {
        const AxisKind kind = view.axisKind(axis);
        if (kind == AxisKind::None)
            continue;
        const std::optional<double> value = axisValue(state, axis, kind);
        if (!value) {
            state.ConversionPending = false;
            view.showMessage(kConversionErrorMessage);
            return ConversionResult::Failed;
        }
        texts[axis == Axis::X ? 0 : 1] = numtext::sampledValueText(*value, state.ExpDisplay);
    }
    for (Axis axis : {Axis::X, Axis::Y}) {
        const std::optional<QString>& text = texts[axis == Axis::X ? 0 : 1];
        if (!text)
            continue;
        view.setSampledText(axis, *text);
        if (state.SamplingActive)
            view.setDataSetSampledText(axis, *text);
    }
    state.ConversionPending = false;
    return ConversionResult::Converted;
}

void ConvertCursor(SharedState& state, ConversionView& view) {
    if (!preconditionsMet(state))
        return;
    for (Axis axis : {Axis::X, Axis::Y}) {
        const AxisKind kind = view.axisKind(axis);
        if (kind == AxisKind::None)
            continue;
        const std::optional<double> value = axisValue(state, axis, kind);
        if (!value)
            continue; // the readout keeps its previous text
        const QString text = numtext::sampledValueText(*value, state.ExpDisplay).trimmed();
        view.setReadoutText(axis, text);
        if (state.SamplingActive)
            view.setDataSetSampledText(axis, text);
    }
    state.ConversionPending = false;
}

} // namespace tracol::Module20
