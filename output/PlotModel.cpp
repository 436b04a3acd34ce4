#include "output/PlotModel.h"

#include "core/NumericText.h"
#include "fit/KKAIKI.h"
#include "fit/SingleValue.h"
#include "output/Module70.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tracol {

namespace {

float singleOf(const QString& text) {
    return toSingle(numtext::val(text));
}

std::optional<PlotAxisRange> axisRange(float min, float max, bool log, bool xAxis) {
    PlotAxisRange axis;
    axis.log = log;
    if (log) {
        const LogAxisRange widened = widenLogRange(min, max, xAxis);
        axis.min = widened.min;
        axis.max = widened.max;
        axis.marks = logAxisMarks(axis.min, axis.max);
        return axis;
    }
    const std::optional<LinearAxisTicks> ticks = linearAxisTicks(min, max);
    if (!ticks || ticks->intervals < 1)
        return std::nullopt;
    axis.min = ticks->min;
    axis.max = ticks->max;
    axis.step = ticks->step;
    axis.intervals = ticks->intervals;
    axis.marks = linearAxisMarks(*ticks);
    return axis;
}

int linesInUse(const SharedState& state) {
    return std::clamp<int>(state.LinesInUse, 0, kLineCount);
}

void gatherPoints(const SharedState& state, PlotData& data) {
    for (int line = 1; line <= linesInUse(state); ++line) {
        const int points = std::clamp<int>(state.LoadedLineCount[line], 0, kMaxLinePoints);
        bool anchored = false;
        for (int j = 1; j <= points; ++j) {
            const double x = singleOf(state.PointXText[line][j]);
            const double y = singleOf(state.PointYText[line][j]);
            if (!data.x.contains(x) || !data.y.contains(y))
                continue;
            data.points.push_back(PlotDataPoint{line, x, y});
            if (!anchored) {
                data.parameters.push_back(
                    PlotParameterAnchor{line, state.LineParameter[line].trimmed(), x, y});
                anchored = true;
            }
        }
    }
}

void sampleCurves(SharedState& state, PlotData& data) {
    for (int line = 1; line <= linesInUse(state); ++line) {
        const int sections = std::clamp<int>(state.FitResult.SectionCount[line], 0, 3);
        for (int s = 1; s <= sections; ++s) {
            Module70::setUpSectionCurve(state, line, s);
            state.CurveSteps = 299;
            Module70::SampleSectionCurve(state);
            PlotSectionCurve curve{line, s, {}};
            curve.points.reserve(static_cast<size_t>(std::max<int>(0, state.CurvePointCount)));
            for (int u = 1; u <= state.CurvePointCount; ++u)
                curve.points.emplace_back(state.CurveX[u], state.CurveY[u]);
            if (!curve.points.empty())
                data.curves.push_back(std::move(curve));
        }
    }
}

} // namespace

void sortLinePoints(SharedState& state, int line) {
    if (line < 1 || line > kLineCount)
        return;
    const int count = std::clamp<int>(state.LoadedLineCount[line], 0, kMaxLinePoints);
    std::array<float, kMaxLinePoints + 1> x{};
    std::array<float, kMaxLinePoints + 1> y{};
    auto& xText = state.PointXText[line];
    auto& yText = state.PointYText[line];
    for (int i = 1; i <= count; ++i) {
        x[i] = singleOf(xText[i]);
        y[i] = singleOf(yText[i]);
    }
    KKAIKI::SortPointsByX(x.data(), y.data(), count);
    for (int i = 1; i <= count; ++i) {
        xText[i] = numtext::trimmedText(x[i]);
        yText[i] = numtext::trimmedText(y[i]);
    }
}

PlotData gatherPlotData(SharedState& state, const PlotRequest& request) {
    PlotData data;
    const PlotRangeValues range = readPlotRange(request.range);
    if (!plotRangeUsable(range, request.logXChecked))
        return data;
    const bool logX = request.logXChecked && range.xMin > 0;
    const bool logY = request.logYChecked && range.yMin > 0;
    const std::optional<PlotAxisRange> x = axisRange(range.xMin, range.xMax, logX, true);
    const std::optional<PlotAxisRange> y = axisRange(range.yMin, range.yMax, logY, false);
    if (!x || !y)
        return data; // a range wider than the step table reaches
    data.usable = true;
    data.x = *x;
    data.y = *y;
    data.showParameters = request.showParameters;
    state.PlotLogX = logX;

    for (int line = 1; line <= linesInUse(state); ++line)
        sortLinePoints(state, line);
    gatherPoints(state, data);
    if (request.fittingRun)
        sampleCurves(state, data);
    data.logXSwitchedOffBySampler = logX && !state.PlotLogX;
    return data;
}

} // namespace tracol
