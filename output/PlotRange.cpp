#include "output/PlotRange.h"

#include "core/NumericText.h"
#include "fit/SingleValue.h"

#include <algorithm>
#include <cmath>

namespace tracol {

namespace {

float singleOf(const QString& text) {
    return toSingle(numtext::val(text));
}

} // namespace

PlotRangeValues readPlotRange(const PlotRangeTexts& texts) {
    return PlotRangeValues{singleOf(texts.xMin), singleOf(texts.xMax), singleOf(texts.yMin),
                           singleOf(texts.yMax)};
}

PlotRangeTexts plotRangeTexts(const PlotRangeValues& range) {
    return PlotRangeTexts{numtext::generalText(range.xMin), numtext::generalText(range.xMax),
                          numtext::generalText(range.yMin), numtext::generalText(range.yMax)};
}

PlotRangeValues dataRange(const SharedState& state) {
    PlotRangeValues range{1e15f, -1e15f, 1e15f, -1e15f};
    const int lines = std::clamp<int>(state.LinesInUse, 0, kLineCount);
    for (int line = 1; line <= lines; ++line) {
        const int points = std::clamp<int>(state.LoadedLineCount[line], 0, kMaxLinePoints);
        for (int j = 1; j <= points; ++j) {
            const float x = singleOf(state.PointXText[line][j]);
            const float y = singleOf(state.PointYText[line][j]);
            range.xMin = std::min(range.xMin, x);
            range.xMax = std::max(range.xMax, x);
            range.yMin = std::min(range.yMin, y);
            range.yMax = std::max(range.yMax, y);
        }
    }
    return range;
}

PlotRangeValues standardPlotRange(const SharedState& state, const PlotRangeTexts& fields) {
    PlotRangeValues range = dataRange(state);
    const PlotRangeValues typed = readPlotRange(fields);
    if (typed.xMin != 0)
        range.xMin = typed.xMin;
    if (typed.xMax != 0)
        range.xMax = typed.xMax;
    if (typed.yMin != 0)
        range.yMin = typed.yMin;
    if (typed.yMax != 0)
        range.yMax = typed.yMax;
    return range;
}

bool logBoxStartsChecked(AxisKind mainWindowChoice) {
    return mainWindowChoice != AxisKind::Linear;
}

bool plotRangeUsable(const PlotRangeValues& range, bool logXChecked) {
    const bool finite = std::isfinite(range.xMin) && std::isfinite(range.xMax) && std::isfinite(range.yMin) &&
                        std::isfinite(range.yMax);
    if (!finite || range.xMax <= range.xMin || range.yMax <= range.yMin)
        return false;
    return !(logXChecked && (range.xMin <= 0 || range.xMax <= 0));
}

} // namespace tracol
