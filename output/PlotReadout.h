#pragma once
// The plot screen's readouts of a click on the plot: the clicked graph
// values in Text6, and the data point picked near them in Text7.
//
// Text6: "X=" + X + "   Y=" + Y, both in exponent form ("1.23457E+01").
// A data point of a Line in use is picked when
//   |X - Xclick| < (Xmax - Xmin) / 200  and  |Y - Yclick| < (Ymax - Ymin) / 200
// with Xmin..Ymax read from the range fields Text1..Text4 (not the extended
// range); the first such point, Line by Line and in point order, is taken.
// Text7 shows the general text of its X, ", " and the general text of its Y.

#include "core/SharedState.h"
#include "output/PlotRange.h"
#include "output/PlotScene.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

namespace tracol {

struct PlotClickValues {
    double x = 0, y = 0;
    QString text; // Text6
};

// The graph values at a picture position (drawing units from the top left
// of the picture) of a drawn scene; none when the scene draws nothing.
std::optional<PlotClickValues> plotClickValues(const PlotScene& scene, QPointF picture);

struct PickedPlotPoint {
    int line = 0, point = 0;
    float x = 0, y = 0;
    QString text; // Text7
};

std::optional<PickedPlotPoint> pickPlotPoint(const SharedState& state, const PlotRangeTexts& fields, double x,
                                             double y);

// Seven pixels of width per character of the point readout.
inline constexpr double kPointReadoutWidthPerCharacter = 7.0 * kTwipsPerPixel;

// Text7's box for a readout of `characters` characters and `height` high,
// in window units: at the click, moved left by 0.9 of its width when it would
// reach past text6Right (the right end of Text6), raised by 0.65 of its height.
QRectF pointReadoutGeometry(QPointF click, int characters, double height, double text6Right);

} // namespace tracol
