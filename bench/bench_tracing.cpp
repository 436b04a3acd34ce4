// Quality and speed of the curve tracing. Graphs with known curves (1 to
// 3 px wide, antialiased, solid, dashed and dotted, over a grid, a frame
// with labels and a legend, with a second curve of another colour crossing
// the first on top of it) are drawn, written as PNG and as JPEG at quality
// 75 and read back, and each is traced from one click a pixel off the curve.
//
// Reported per graph: the deviation in pixels of the 30 points (their graph
// values taken back to the picture) and of the whole centreline from the
// true curve, and how many pixels of the curve were missed at its two ends.
// Targets: on solid curves a mean under 0.5 px and no point beyond 1.5 px;
// on dashed curves the whole curve found from end to end. The last case
// traces a curve across a 5 000 x 7 000 scan: target under 300 ms.

#include "digitize/CurveTracing.h"
#include "digitize/TracedPoints.h"
#include "tests/tracing/DrawnGraph.h"
#include "ui/TracingPicture.h"

#include <QGuiApplication>
#include <QImageReader>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

using namespace tracol;

namespace {

struct Scene {
    const char* name;
    drawn::Graph graph;
};

double rising(double x) {
    return 2 + 6 * (1 - std::exp(-x / 3)) + 0.8 * std::sin(1.3 * x);
}
double falling(double x) {
    return 9 - 0.7 * x;
}

drawn::Curve curveOf(double width, Qt::PenStyle style, QColor colour, double (*f)(double) = rising) {
    drawn::Curve c;
    c.y = f;
    c.colour = colour;
    c.width = width;
    c.style = style;
    return c;
}

double decaying(double x) {
    return 0.6 + 9 * std::exp(-x / 1.5);
}

// The traced curve first, the crossing one drawn over it.
drawn::Graph graphWith(drawn::Curve traced, QColor crossing = QColor(220, 30, 30)) {
    drawn::Graph g;
    g.curves = {traced, curveOf(1.5, Qt::SolidLine, crossing, falling)};
    return g;
}

drawn::Graph logGraph(double width) {
    drawn::Graph g;
    g.logX = true;
    g.xMin = 1;
    g.xMax = 1000;
    drawn::Curve c = curveOf(width, Qt::SolidLine, QColor(30, 60, 200));
    c.y = [](double x) { return 1.5 + 2.2 * std::log10(x) + 0.5 * std::sin(2 * std::log10(x)); };
    c.xFrom = 1;
    c.xTo = 1000;
    g.curves = {c, curveOf(1.5, Qt::SolidLine, QColor(220, 30, 30),
                           [](double x) { return 9 - 2.3 * std::log10(x); })};
    g.curves[1].xFrom = 1;
    g.curves[1].xTo = 1000;
    return g;
}

std::vector<Scene> scenes() {
    return {
        {"solid_1px_black", graphWith(curveOf(1, Qt::SolidLine, Qt::black))},
        {"solid_2px_blue", graphWith(curveOf(2, Qt::SolidLine, QColor(30, 60, 200)))},
        {"solid_3px_green", graphWith(curveOf(3, Qt::SolidLine, QColor(0, 128, 0)))},
        {"solid_2px_logX", logGraph(2)},
        {"steep_2px_darkred_crossed_red", graphWith(curveOf(2, Qt::SolidLine, QColor(160, 0, 0), decaying))},
        {"solid_1px_black_crossed_black", graphWith(curveOf(1, Qt::SolidLine, Qt::black), Qt::black)},
        {"dashed_1px_black", graphWith(curveOf(1, Qt::DashLine, Qt::black))},
        {"dashed_2px_blue", graphWith(curveOf(2, Qt::DashLine, QColor(30, 60, 200)))},
        {"dotted_2px_black", graphWith(curveOf(2, Qt::DotLine, Qt::black))},
        {"dashdot_3px_green", graphWith(curveOf(3, Qt::DashDotLine, QColor(0, 128, 0)))},
    };
}

// A click `off` pixels below the curve at `percent` of its X range (on a
// dash of a dashed curve: the first place from there whose pixel shows the
// colour).
QPoint clickOn(const QImage& image, const drawn::Graph& g, const drawn::Curve& c, int percent = 37,
               int off = 1) {
    const std::vector<QPointF> path = g.pixelPath(c, 2000);
    for (size_t i = path.size() * percent / 100; i < path.size(); ++i) {
        const QPoint p(qRound(path[i].x()), qRound(path[i].y()));
        if (qGray(image.pixel(p)) < 170 || qAbs(qRed(image.pixel(p)) - qBlue(image.pixel(p))) > 80)
            return p + QPoint(0, off);
    }
    return QPoint(qRound(path[path.size() / 2].x()), qRound(path[path.size() / 2].y()));
}

// Whether a click gives the whole curve: its points within 1.5 px of it and
// its ends within 6 px of the curve's ends (the frame's line lies there).
bool tracedWhole(const TracingImage& pixels, const drawn::Graph& g, TracingRequest request) {
    const drawn::Curve& c = g.curves.front();
    const TracedCurve curve = traceCurve(pixels, request);
    if (!curve.traced())
        return false;
    const AxisKind xKind = g.logX ? AxisKind::Logarithmic : AxisKind::Linear;
    const std::vector<QPointF> positions =
        tracedPointPositions(curve, kDefaultTracedPointCount, PointSpacing::EvenInX, g.calibration(), xKind);
    const std::vector<QPointF> truth = g.pixelPath(c);
    return drawn::deviationOf(truth, drawn::valuesAsPixels(g, positions)).max < 1.5 &&
           curve.centreline.front().x() - truth.front().x() < 6 &&
           truth.back().x() - curve.centreline.back().x() < 6;
}

void traceScene(benchmark::State& bench, const Scene& scene, const char* format) {
    const drawn::Graph& g = scene.graph;
    const QImage image = drawn::throughFile(drawn::draw(g), format, 75);
    const TracingPicture picture(image);
    const drawn::Curve& c = g.curves.front();
    TracingRequest request;
    request.click = clickOn(image, g, c);
    request.plotArea = plotAreaOf(g.calibration());
    const AxisKind xKind = g.logX ? AxisKind::Logarithmic : AxisKind::Linear;

    TracedCurve curve;
    std::vector<QPointF> positions;
    for (auto _ : bench) {
        curve = traceCurve(picture.pixels(), request);
        positions = tracedPointPositions(curve, kDefaultTracedPointCount, PointSpacing::EvenInX,
                                         g.calibration(), xKind);
        benchmark::DoNotOptimize(positions.data());
    }
    if (!curve.traced()) {
        bench.SkipWithError(qPrintable(tracingRefusalMessage(curve.refusal)));
        return;
    }
    const std::vector<QPointF> truth = g.pixelPath(c);
    const drawn::Deviation points = drawn::deviationOf(truth, drawn::valuesAsPixels(g, positions));
    const drawn::Deviation line = drawn::deviationOf(truth, curve.centreline);
    bench.counters["points"] = double(positions.size());
    bench.counters["pt_mean_px"] = points.mean;
    bench.counters["pt_max_px"] = points.max;
    bench.counters["line_mean_px"] = line.mean;
    bench.counters["line_max_px"] = line.max;
    bench.counters["missed_left_px"] = std::max(0.0, curve.centreline.front().x() - truth.front().x());
    bench.counters["missed_right_px"] = std::max(0.0, truth.back().x() - curve.centreline.back().x());

    // Clicks all along the curve, on it and two pixels above and below.
    int whole = 0;
    for (int percent = 10; percent <= 90; percent += 10) {
        for (int off : {-2, 0, 2}) {
            request.click = clickOn(image, g, c, percent, off);
            whole += tracedWhole(picture.pixels(), g, request) ? 1 : 0;
        }
    }
    bench.counters["whole_of_27_clicks"] = whole;
}

// A curve across an A4 scan at 600 dpi: 4 px lines, a dashed curve crossing.
void BM_TraceLargeScan(benchmark::State& bench) {
    drawn::Graph g;
    g.size = QSize(5000, 7000);
    g.left = 400;
    g.top = 500;
    g.right = 4600;
    g.bottom = 6500;
    g.lineScale = 4;
    g.curves = {curveOf(4, Qt::SolidLine, Qt::black), curveOf(4, Qt::DashLine, QColor(220, 30, 30), falling)};
    const QImage image = drawn::throughFile(drawn::draw(g), "JPG", 75);
    const TracingPicture picture(image);
    TracingRequest request;
    request.click = clickOn(image, g, g.curves.front());
    request.plotArea = plotAreaOf(g.calibration());
    TracedCurve curve;
    for (auto _ : bench) {
        curve = traceCurve(picture.pixels(), request);
        const std::vector<QPointF> positions = tracedPointPositions(
            curve, kDefaultTracedPointCount, PointSpacing::EvenInX, g.calibration(), AxisKind::Linear);
        benchmark::DoNotOptimize(positions.data());
    }
    if (!curve.traced()) {
        bench.SkipWithError(qPrintable(tracingRefusalMessage(curve.refusal)));
        return;
    }
    const drawn::Deviation line = drawn::deviationOf(g.pixelPath(g.curves.front()), curve.centreline);
    bench.counters["line_mean_px"] = line.mean;
    bench.counters["line_max_px"] = line.max;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);     // fonts
    QImageReader::setAllocationLimit(0); // scans are larger than the reader's default limit
    for (const Scene& scene : scenes()) {
        for (const char* format : {"PNG", "JPG"}) {
            const std::string name = std::string("BM_Trace/") + scene.name + "/" + format;
            benchmark::RegisterBenchmark(name.c_str(), [scene, format](benchmark::State& bench) {
                traceScene(bench, scene, format);
            })->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("BM_TraceLargeScan", BM_TraceLargeScan)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
