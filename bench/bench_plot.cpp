// Speed of the plot: the worst case of the plot screen (10 Lines of 100
// points, 3 fitted sections each, 300 curve points per section, log-log
// axes) gathered, laid out and painted on an offscreen image of a typical
// window size. Target: well under a frame (16 ms).

#include "core/NumericText.h"
#include "output/PlotLayout.h"
#include "output/PlotModel.h"
#include "output/PlotRange.h"
#include "ui/PlotPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace tracol;

namespace {

// Line L: Y = L * X^1.2 at 100 X over 1 .. 1000, three sections of kind 10.
SharedState worstCaseState() {
    SharedState state;
    for (int line = 1; line <= kLineCount; ++line) {
        state.LineParameter[line] = QString::number(line);
        state.LoadedLineCount[line] = kMaxLinePoints;
        for (int j = 1; j <= kMaxLinePoints; ++j) {
            const double x = std::pow(10.0, 3.0 * (j - 1) / 99);
            state.PointXText[line][j] = numtext::trimmedText(static_cast<float>(x));
            state.PointYText[line][j] = numtext::trimmedText(static_cast<float>(line * std::pow(x, 1.2)));
        }
        FitResultStore& fit = state.FitResult;
        fit.SectionCount[line] = 3;
        for (int s = 1; s <= 3; ++s) {
            fit.SectionEqNo[s][line] = 10;
            fit.SectionC1[s][line] = 1.2f;
            fit.SectionC2[s][line] = static_cast<float>(std::log(line));
            fit.SectionFirstPoint[s][line] = static_cast<qint16>(1 + 33 * (s - 1));
            fit.SectionLastPoint[s][line] = static_cast<qint16>(s == 3 ? 100 : 34 + 33 * (s - 1));
        }
    }
    state.LinesInUse = kLineCount;
    return state;
}

PlotRequest worstCaseRequest(const SharedState& state) {
    PlotRequest request;
    request.range = plotRangeTexts(standardPlotRange(state, {}));
    request.logXChecked = request.logYChecked = true;
    request.fittingRun = true;
    request.showParameters = true;
    return request;
}

const QSize kWindowPixels(1000, 700);

} // namespace

static void BM_PlotGatherLayOutPaint(benchmark::State& bench) {
    SharedState state = worstCaseState();
    const PlotRequest request = worstCaseRequest(state);
    const PlotTextMeasure measure = plotTextMeasure();
    QImage image(kWindowPixels, QImage::Format_RGB32);
    for (auto _ : bench) {
        const PlotData data = gatherPlotData(state, request);
        const PlotScene scene =
            layoutPlotScene(data, QSizeF(kWindowPixels) * kTwipsPerPixel, PlotTarget::Screen, measure);
        QPainter painter(&image);
        paintPlotScene(painter, scene, QRectF(image.rect()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlotGatherLayOutPaint)->Unit(benchmark::kMillisecond);

// A resize: the same data laid out and painted again, no sampling.
static void BM_PlotLayOutPaint(benchmark::State& bench) {
    SharedState state = worstCaseState();
    const PlotData data = gatherPlotData(state, worstCaseRequest(state));
    const PlotTextMeasure measure = plotTextMeasure();
    QImage image(kWindowPixels, QImage::Format_RGB32);
    for (auto _ : bench) {
        const PlotScene scene =
            layoutPlotScene(data, QSizeF(kWindowPixels) * kTwipsPerPixel, PlotTarget::Screen, measure);
        QPainter painter(&image);
        paintPlotScene(painter, scene, QRectF(image.rect()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlotLayOutPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
