#pragma once
// Lays gathered plot data (output/PlotData.h) out on a drawing area: margins
// for the labels, the frame of the plotted range, the scale factors, the
// grid and tick lines, the tick labels, the title, the data circles, the
// curves and the Parameter labels. Pure: the same data laid out on another
// area (a resized window, a printer page) needs no access to the state.
//
// Scale factors, with the frame W x H drawing units wide and high:
//   linear     kx = W / (PlotXMax - PlotXMin)
//   log        kx = W / ln(PlotXMax / PlotXMin)
// and the same for Y. A logarithmic decade is drawn w = ln 10 * k wide,
// which chooses the labelled mantissa digits (output/PlotTicks.h).
//
// Curves: consecutive curve points whose X lies within the plotted X range
// are joined; a point outside it is not, and every joined segment is clipped
// to the frame, so a curve leaving the range vertically stops at the frame.

#include "output/PlotData.h"
#include "output/PlotScene.h"

#include <QRectF>
#include <QSizeF>

namespace tracol {

inline const QString kPlotTitle = QStringLiteral("解析グラフのプロット");

// Picture1's place in the plot screen from the window's inner width W and
// height H (window units): top W * 3.8 / 100, left W * 3.8 * 0.2 / 100,
// width W - W * 0.4 * 3.8 / 100, height H - 1000 - W * 3.8 / 100.
QRectF plotPictureGeometry(double innerWidth, double innerHeight);

// The scene of `data` on an area of `area` drawing units (twips). Unusable
// (nothing drawn) when the data is, or when the area leaves no room for the
// frame. On the printer the data circles are 1.5 times as large and the
// paper is white.
PlotScene layoutPlotScene(const PlotData& data, QSizeF area, PlotTarget target,
                          const PlotTextMeasure& measure);

} // namespace tracol
