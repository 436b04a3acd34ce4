#pragma once
// Automatic curve tracing: one click on a curve of the graph image gives the
// whole curve as a centreline, followed from the click to both of its ends.
//
// The colour under the pointer is told apart from the background (the most
// common colour of the plot area) and the curve of that colour is followed
// through the plot area across the gaps of dashed and dotted lines, grid
// lines and curves of other colours lying across it, and JPEG noise. The
// plot area is the rectangle between the calibration marks: the curve ends
// at its left and right sides (the X range of the graph), and a curve that
// runs on beyond its top or bottom is refused, since its values would lie
// outside the marked Y range.
//
// The window hands over the picture (TracingImage), the pixel clicked and
// the plot area (plotAreaOf), shows the refusal message or the traced curve,
// and turns the curve into points (TracedPoints.h).

#include "core/SharedState.h"
#include "digitize/TracingColour.h"
#include "digitize/TracingImage.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace tracol {

enum class TracingRefusal {
    None,             // traced
    NoPlotArea,       // the calibration marks do not span an area
    ClickOutsideArea, // the click lies outside the plot area
    NoCurveAtClick,   // only background (or no line-like shape) under the pointer
    ColourTooCommon,  // the colour covers a large part of the plot area
    CurveLeavesArea,  // the curve runs on beyond the top or bottom of the plot area
};

// The message the window shows for a refusal (empty for None).
QString tracingRefusalMessage(TracingRefusal refusal);

struct TracingRequest {
    QPoint click;                                     // the pixel clicked
    QRectF plotArea;                                  // pixels, between the calibration marks (plotAreaOf)
    double colourTolerance = kDefaultColourTolerance; // RGB distance, 0..441
    double maxGap = 0; // longest gap bridged, pixels; 0 chooses it from the line's width
};

struct TracedCurve {
    TracingRefusal refusal = TracingRefusal::None;
    std::vector<QPointF> centreline; // pixels, from the curve's left end, about 1 pixel apart
    quint32 colour = 0;              // 0xffRRGGBB: the colour traced
    double lineWidth = 0;            // pixels
    bool closed = false;             // the curve came back to its start

    bool traced() const { return refusal == TracingRefusal::None; }
};

// The rectangle between the calibration marks in pixels: from the origin's
// x (PixXmin) to Xmax's x, from Ymax's y (PixYmax) to the origin's y.
QRectF plotAreaOf(const SharedState& state);

// The largest share of the plot area that the colour of a curve covers; a
// colour covering more is a fill or a background, not a curve.
inline constexpr double kMaxCurveAreaShare = 0.2;

TracedCurve traceCurve(const TracingImage& image, const TracingRequest& request);

} // namespace tracol
