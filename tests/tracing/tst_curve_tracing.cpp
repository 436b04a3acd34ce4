// Curve tracing on drawn graphs: the points of one click, converted as the
// window converts a click, against the curves drawn; and the clicks that
// cannot be traced.

#include "DrawnGraph.h"

#include "digitize/CurveTracing.h"
#include "digitize/TracedPoints.h"
#include "ui/TracingPicture.h"

#include <QtTest>

using namespace tracol;

namespace {

double wavy(double x) {
    return 4.6 + 2.7 * std::sin(0.55 * x + 0.4) + 0.12 * x;
}
double rising(double x) {
    return 1.3 + 0.75 * x;
}
double flattening(double x) {
    return 2 + 6 * (1 - std::exp(-x / 3)) + 0.8 * std::sin(1.3 * x);
}
double peakOnTop(double x) {
    return 10 - 0.3 * (x - 5.4) * (x - 5.4);
}

drawn::Curve curve(double (*f)(double), QColor colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    drawn::Curve c;
    c.y = f;
    c.colour = colour;
    c.width = width;
    c.style = style;
    return c;
}

enum class Scene {
    Solid1,
    Solid3Jpeg,
    DashedUnderBlack,
    Dotted,
    UnderSameColour,
    LogLog,
    AlongCurve,
    PeakOnTop,
    GridUnderClick,
};

drawn::Graph graphOf(Scene scene) {
    drawn::Graph g;
    const QColor red(205, 25, 40), blue(25, 70, 190);
    switch (scene) {
    case Scene::Solid1:
    case Scene::AlongCurve:
        g.curves = {curve(wavy, Qt::black, 1), curve(rising, red, 1.5)};
        break;
    case Scene::Solid3Jpeg:
        g.curves = {curve(wavy, blue, 3), curve(rising, red, 1.5)};
        break;
    case Scene::DashedUnderBlack:
        g.curves = {curve(wavy, red, 2, Qt::DashLine), curve(rising, Qt::black, 1)};
        break;
    case Scene::Dotted:
        g.curves = {curve(wavy, blue, 2, Qt::DotLine), curve(rising, red, 1.5)};
        break;
    case Scene::GridUnderClick: // nearly level where it crosses the grid line at X = 2
        g.curves = {curve(flattening, Qt::black, 1), curve(rising, red, 1.5)};
        break;
    case Scene::PeakOnTop:
        g.curves = {curve(peakOnTop, blue, 2), curve(rising, red, 1.5)};
        break;
    case Scene::UnderSameColour:
        g.curves = {curve(wavy, Qt::black, 1.5), curve(rising, Qt::black, 1.5)};
        break;
    case Scene::LogLog: {
        g.logX = g.logY = true;
        g.xMin = 1;
        g.xMax = 1000;
        g.yMin = 0.1;
        g.yMax = 100;
        drawn::Curve c = curve(nullptr, blue, 2);
        c.y = [](double x) { return 0.3 * std::pow(x, 0.62) * (1 + 0.3 * std::sin(std::log(x))); };
        c.xFrom = 1;
        c.xTo = 1000;
        g.curves = {c};
        break;
    }
    }
    return g;
}

// The pixel of the curve at `percent` of its X range that shows its
// colour, moved `off` pixels down as a hasty click would be.
QPoint clickOn(const QImage& image, const drawn::Graph& g, int off, int percent = 40) {
    const std::vector<QPointF> path = g.pixelPath(g.curves.front(), 2000);
    for (size_t i = path.size() * percent / 100; i < path.size(); ++i) {
        const QPoint p(qRound(path[i].x()), qRound(path[i].y()));
        if (qGray(image.pixel(p)) < 150 || qAbs(qRed(image.pixel(p)) - qBlue(image.pixel(p))) > 80)
            return p + QPoint(0, off);
    }
    return {};
}

} // namespace

class TestCurveTracing : public QObject {
    Q_OBJECT
  private slots:
    void pointsLieOnTheCurve_data();
    void pointsLieOnTheCurve();
    void refusals_data();
    void refusals();
};

void TestCurveTracing::pointsLieOnTheCurve_data() {
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("off");
    QTest::addColumn<int>("percent"); // of the X range, where the click lies
    QTest::newRow("solid 1 px, click 2 px off") << Scene::Solid1 << "PNG" << 2 << 40;
    QTest::newRow("click where a grid line crosses") << Scene::GridUnderClick << "PNG" << -2 << 20;
    QTest::newRow("solid 3 px, JPEG") << Scene::Solid3Jpeg << "JPG" << 1 << 40;
    QTest::newRow("dashed, a curve on top, JPEG") << Scene::DashedUnderBlack << "JPG" << 1 << 40;
    QTest::newRow("dotted") << Scene::Dotted << "PNG" << 0 << 40;
    QTest::newRow("crossed by a curve of its colour") << Scene::UnderSameColour << "JPG" << 1 << 40;
    QTest::newRow("log-log axes, evenly in log X") << Scene::LogLog << "JPG" << 1 << 40;
    QTest::newRow("evenly along the curve") << Scene::AlongCurve << "JPG" << 1 << 40;
    QTest::newRow("touching the top of the frame") << Scene::PeakOnTop << "JPG" << 1 << 40;
}

void TestCurveTracing::pointsLieOnTheCurve() {
    QFETCH(Scene, scene);
    QFETCH(QString, format);
    QFETCH(int, off);
    QFETCH(int, percent);
    const drawn::Graph g = graphOf(scene);
    const QImage image = drawn::throughFile(drawn::draw(g), qPrintable(format), 75);
    const TracingPicture picture(image);
    TracingRequest request;
    request.click = clickOn(image, g, off, percent);
    request.plotArea = plotAreaOf(g.calibration());
    const TracedCurve traced = traceCurve(picture.pixels(), request);
    QCOMPARE(tracingRefusalMessage(traced.refusal), QString());

    const PointSpacing spacing =
        scene == Scene::AlongCurve ? PointSpacing::AlongCurve : PointSpacing::EvenInX;
    const AxisKind xKind = g.logX ? AxisKind::Logarithmic : AxisKind::Linear;
    const std::vector<QPointF> positions =
        tracedPointPositions(traced, kDefaultTracedPointCount, spacing, g.calibration(), xKind);
    QCOMPARE(int(positions.size()), kDefaultTracedPointCount);

    // The values, as a click converts them, lie on the drawn curve ...
    const std::vector<QPointF> truth = g.pixelPath(g.curves.front());
    const std::vector<QPointF> valuePixels = drawn::valuesAsPixels(g, positions);
    QCOMPARE(valuePixels.size(), positions.size());
    const drawn::Deviation deviation = drawn::deviationOf(truth, valuePixels);
    QVERIFY2(deviation.mean < 0.5 && deviation.max < 1.5,
             qPrintable(QStringLiteral("mean %1 px, max %2 px").arg(deviation.mean).arg(deviation.max)));
    // ... and reach from one end of it to the other, the frame aside.
    QVERIFY(valuePixels.front().x() - truth.front().x() < 6);
    QVERIFY(truth.back().x() - valuePixels.back().x() < 6);

    // Equal steps: of X on the axis's scale, or of length along the curve.
    for (size_t k = 2; k < valuePixels.size(); ++k) {
        const QPointF a = valuePixels[k - 2], b = valuePixels[k - 1], c = valuePixels[k];
        if (spacing == PointSpacing::EvenInX) {
            QVERIFY(qAbs((c.x() - b.x()) - (b.x() - a.x())) < 0.05);
        } else {
            const double before = std::hypot(b.x() - a.x(), b.y() - a.y());
            const double after = std::hypot(c.x() - b.x(), c.y() - b.y());
            QVERIFY(qAbs(after - before) < 0.05 * before);
        }
    }
}

void TestCurveTracing::refusals_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<TracingRefusal>("refusal");
    QTest::newRow("the background") << "background" << TracingRefusal::NoCurveAtClick;
    QTest::newRow("outside the marks") << "outside" << TracingRefusal::ClickOutsideArea;
    QTest::newRow("a fill over much of the area") << "fill" << TracingRefusal::ColourTooCommon;
    QTest::newRow("a curve running above Ymax") << "above" << TracingRefusal::CurveLeavesArea;
    QTest::newRow("no calibration") << "uncalibrated" << TracingRefusal::NoPlotArea;
}

void TestCurveTracing::refusals() {
    QFETCH(QString, where);
    QFETCH(TracingRefusal, refusal);
    drawn::Graph g = graphOf(Scene::Solid1);
    if (where == "fill")
        g.fill = QRectF(g.left, g.top, g.right - g.left, 0.4 * (g.bottom - g.top));
    if (where == "above")
        g.curves.front().y = [](double x) { return 2 + 0.95 * x; }; // 11.5 at the right
    const QImage image = drawn::throughFile(drawn::draw(g), "JPG", 75);
    const TracingPicture picture(image);
    TracingRequest request;
    request.plotArea = where == "uncalibrated" ? QRectF() : plotAreaOf(g.calibration());
    request.click = clickOn(image, g, 0);
    if (where == "background")
        request.click = g.pixelOf(7.5, 1.5).toPoint();
    if (where == "outside")
        request.click = QPoint(g.left - 20, g.bottom - 100);
    if (where == "fill")
        request.click = g.pixelOf(9.5, 9).toPoint();

    const TracedCurve traced = traceCurve(picture.pixels(), request);
    QCOMPARE(traced.refusal, refusal);
    QVERIFY(!tracingRefusalMessage(traced.refusal).isEmpty());
    QVERIFY(
        tracedPointPositions(traced, 30, PointSpacing::EvenInX, g.calibration(), AxisKind::Linear).empty());
}

QTEST_MAIN(TestCurveTracing)
#include "tst_curve_tracing.moc"
