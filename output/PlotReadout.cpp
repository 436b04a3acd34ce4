#include "output/PlotReadout.h"

#include "core/NumericText.h"
#include "fit/SingleValue.h"

#include <algorithm>
#include <cmath>

namespace tracol {

std::optional<PlotClickValues> plotClickValues(const PlotScene& scene, QPointF picture) {
    if (!scene.usable)
        return std::nullopt;
    const QPointF value = scene.mapping.toValue(picture);
    PlotClickValues click;
    click.x = value.x();
    click.y = value.y();
    click.text = QStringLiteral("X=") + numtext::exponentForm(click.x) + QStringLiteral("   Y=") +
                 numtext::exponentForm(click.y);
    return click;
}

std::optional<PickedPlotPoint> pickPlotPoint(const SharedState& state, const PlotRangeTexts& fields, double x,
                                             double y) {
    const PlotRangeValues range = readPlotRange(fields);
    const double xTolerance = (static_cast<double>(range.xMax) - range.xMin) / 200;
    const double yTolerance = (static_cast<double>(range.yMax) - range.yMin) / 200;
    const int lines = std::clamp<int>(state.LinesInUse, 0, kLineCount);
    for (int line = 1; line <= lines; ++line) {
        const int points = std::clamp<int>(state.LoadedLineCount[line], 0, kMaxLinePoints);
        for (int j = 1; j <= points; ++j) {
            const float px = toSingle(numtext::val(state.PointXText[line][j]));
            const float py = toSingle(numtext::val(state.PointYText[line][j]));
            if (std::fabs(px - x) < xTolerance && std::fabs(py - y) < yTolerance)
                return PickedPlotPoint{line, j, px, py,
                                       numtext::generalText(px) + QStringLiteral(", ") +
                                           numtext::generalText(py)};
        }
    }
    return std::nullopt;
}

QRectF pointReadoutGeometry(QPointF click, int characters, double height, double text6Right) {
    const double width = kPointReadoutWidthPerCharacter * characters;
    double left = click.x();
    if (left + width > text6Right)
        left -= 0.9 * width;
    return QRectF(left, click.y() - 0.65 * height, width, height);
}

} // namespace tracol
