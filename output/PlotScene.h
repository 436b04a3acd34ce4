#pragma once
// A plot laid out for one drawing area, as plain data: the frame, the grid
// and tick lines, the labels, the title, the data circles, the curves and
// the Parameter labels, each with its colour, in drawing units (twips) from
// the top left of the picture, y growing downwards. ui/PlotPainter puts a
// scene on a widget, an image or a printer page.

#include "output/PlotMapping.h"
#include "output/PlotTicks.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

namespace tracol {

struct PlotColour {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const PlotColour&, const PlotColour&) = default;
};

inline constexpr PlotColour kPlotTextColour{0, 0, 0};
inline constexpr PlotColour kPlotCircleColour{0, 0, 0};
inline constexpr PlotColour kPlotFrameColour{0, 0, 255};
inline constexpr PlotColour kPlotGridColour{80, 80, 80};
inline constexpr PlotColour kPlotCurveColour{0, 0, 255};
inline constexpr PlotColour kPlotParameterColour{254, 0, 0};
inline constexpr PlotColour kPlotScreenBackground{224, 224, 224}; // the picture's light grey
inline constexpr PlotColour kPlotPaperBackground{255, 255, 255};

// The font of the plot's texts; ui/ maps the family to an installed font.
inline const QString kPlotFontFamily = QStringLiteral("ＭＳ ゴシック");
struct PlotFont {
    QString family = kPlotFontFamily;
    double pointSize = 9;
    bool bold = false;
};

// Width and height of a text in a font, in drawing units (twips). The engine
// cannot measure text; ui/ passes this in (plotTextMeasure in ui/PlotPainter.h).
using PlotTextMeasure = std::function<QSizeF(const QString& text, const PlotFont& font)>;

enum class PlotTarget {
    Screen,  // the picture Picture1 (and its image for the clipboard)
    Printer, // a printer page: larger data circles, white paper
};

// Line widths are in device pixels, as a picture's or printer's draw width.
struct PlotSegment {
    QPointF from, to;
    PlotColour colour;
    int width = 1;
};

struct PlotPolyline {
    std::vector<QPointF> points;
    PlotColour colour = kPlotCurveColour;
    int width = 1;
};

struct PlotCircle {
    QPointF centre;
    double radius = 0;
    PlotColour colour = kPlotCircleColour;
};

struct PlotText {
    QString text;
    QPointF topLeft; // the text's box starts here
    QSizeF size;     // as measured
    PlotColour colour = kPlotTextColour;
    PlotFont font;
};

// One axis as drawn: the range after extension, the effective log flag, the
// scale factor, the marks and, on a logarithmic axis, the labelled digits.
struct PlotAxisScale {
    double min = 0, max = 0; // PlotXMin / PlotXMax or PlotYMin / PlotYMax
    bool log = false;        // PlotLogX / PlotLogY as drawn
    double scale = 0;        // kx / ky: drawing units per unit (or per unit of ln)
    std::vector<AxisMark> marks;
    QString labelledDigits; // logarithmic axis: the digit set of its decade width
};

struct PlotScene {
    // False when nothing is drawn: an unusable range, or an area too small
    // for the frame. The picture then keeps what it showed.
    bool usable = false;
    QSizeF area; // the drawing area, drawing units
    PlotColour background = kPlotScreenBackground;
    PlotAxisScale x, y;
    PlotMapping mapping;
    QRectF frame; // the plotted range
    // Painted in this order.
    std::vector<PlotSegment> gridLines;  // grid and tick lines, grey
    std::vector<PlotSegment> frameLines; // the blue box
    std::vector<PlotText> tickLabels;
    PlotText title;
    std::vector<PlotCircle> circles;       // the data points
    std::vector<PlotPolyline> curves;      // the fitted sections
    std::vector<PlotText> parameterLabels; // red, when Parameters are shown
    // The curve sampler switched PlotLogX off (a section starts at X <= 0);
    // the axes of this scene stay as they were drawn.
    bool logXSwitchedOffBySampler = false;
};

} // namespace tracol
