#pragma once
// The one painter of the plot: puts a laid-out plot scene (output/PlotScene.h)
// on any QPainter - the plot widget, an image for the clipboard, a printer
// or PDF page - with the same code. Scenes are in drawing units (twips); the
// painter maps the scene's area onto a target rectangle of the device.
// Curves and circles are antialiased; grid and frame lines are not, so that
// they stay crisp one-pixel lines.
//
// Fonts: "ＭＳ ゴシック" is drawn with an installed Japanese font (Noto Sans
// Mono CJK JP where installed, else Noto Sans CJK JP). A font of p points is
// p * 20 twips high, so a QFont with that pixel size measures and paints in
// twips whatever the device.

#include "output/PlotData.h"
#include "output/PlotScene.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace tracol {

inline constexpr double kTwipsPerInch = 1440;

// The installed family drawn for a plot font family.
QString installedPlotFamily(const QString& family);

// The QFont of a plot font, sized in twips.
QFont plotQFont(const PlotFont& font);

// Text width and height in twips, measured with QFontMetricsF: the text
// measure the engine's layout takes.
PlotTextMeasure plotTextMeasure();

// Paints the scene with its area mapped onto `target` (painter coordinates):
// background, grid, frame, labels, title, circles, curves, Parameter labels.
// A scene that draws nothing paints its background only.
void paintPlotScene(QPainter& painter, const PlotScene& scene, const QRectF& target);

// The printer path: lays the data out on a page rectangle of a device with
// `dotsPerInch` and paints it there (white paper, larger circles).
void paintPlotPage(QPainter& painter, const PlotData& data, const QRectF& pageRect, double dotsPerInch);

// The scene painted on an image of `pixels` at the screen's 15 twips per pixel.
QImage plotImage(const PlotScene& scene, QSize pixels);

} // namespace tracol
