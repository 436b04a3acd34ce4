// Turning a traced centreline into points: equal steps of X on the axis's
// own scale (through a mid point, in log X) or along the curve, converted as
// a click is converted.

#include "digitize/TracedPoints.h"

#include <QtTest>

using namespace tracol;

namespace {

class AxisKinds : public ConversionView {
  public:
    explicit AxisKinds(AxisKind x) : x_(x) {}
    AxisKind axisKind(Axis axis) const override { return axis == Axis::X ? x_ : AxisKind::Linear; }
    void setSampledText(Axis, const QString&) override {}
    void setReadoutText(Axis, const QString&) override {}
    void setDataSetSampledText(Axis, const QString&) override {}
    void showMessage(const QString&) override {}

  private:
    AxisKind x_;
};

// X from 1 at pixel 100 to 1000 at pixel 700; Y from 0 at pixel 400 to 10
// at pixel 100. The mid mark, when in force, bends X at pixel 300 to 600.
SharedState calibration(bool midPoint) {
    SharedState s;
    s.PixXmin = 100 * kTwipsPerPixel;
    s.PixXmax = 700 * kTwipsPerPixel;
    s.PixYmin = 400 * kTwipsPerPixel;
    s.PixYmax = 100 * kTwipsPerPixel;
    s.ValXmin = 1;
    s.ValXmax = 1000;
    s.ValYmin = 0;
    s.ValYmax = 10;
    s.XmidActive = midPoint;
    s.PixXmid = 300 * kTwipsPerPixel;
    s.ValXmid = 600;
    return s;
}

// A bent curve, one vertex per pixel: up steeply, then down gently.
TracedCurve bentCurve() {
    TracedCurve curve;
    for (int x = 100; x <= 700; ++x)
        curve.centreline.emplace_back(x, x <= 200 ? 400 - 3.0 * (x - 100) : 100 + 0.6 * (x - 200));
    return curve;
}

} // namespace

class TestTracedPoints : public QObject {
    Q_OBJECT
  private slots:
    void equalSteps_data();
    void equalSteps();
};

void TestTracedPoints::equalSteps_data() {
    QTest::addColumn<AxisKind>("xKind");
    QTest::addColumn<bool>("midPoint");
    QTest::addColumn<PointSpacing>("spacing");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expectedCount");
    QTest::newRow("linear X") << AxisKind::Linear << false << PointSpacing::EvenInX << 30 << 30;
    QTest::newRow("log X: equal steps of log X")
        << AxisKind::Logarithmic << false << PointSpacing::EvenInX << 30 << 30;
    QTest::newRow("through the mid point") << AxisKind::Linear << true << PointSpacing::EvenInX << 25 << 25;
    QTest::newRow("along the curve") << AxisKind::Linear << false << PointSpacing::AlongCurve << 30 << 30;
    QTest::newRow("at most 100 points") << AxisKind::Linear << false << PointSpacing::EvenInX << 500 << 100;
    QTest::newRow("at least both ends") << AxisKind::Linear << false << PointSpacing::EvenInX << 1 << 2;
}

void TestTracedPoints::equalSteps() {
    QFETCH(AxisKind, xKind);
    QFETCH(bool, midPoint);
    QFETCH(PointSpacing, spacing);
    QFETCH(int, count);
    QFETCH(int, expectedCount);
    const SharedState state = calibration(midPoint);
    const TracedCurve curve = bentCurve();
    const std::vector<QPointF> positions = tracedPointPositions(curve, count, spacing, state, xKind);
    QCOMPARE(int(positions.size()), expectedCount);

    const std::vector<GraphValue> values = graphValuesOf(state, AxisKinds(xKind), positions);
    const bool logarithmic = xKind == AxisKind::Logarithmic;
    auto scaled = [&](const GraphValue& v) { return logarithmic ? std::log(*v.x) : *v.x; };
    // From end to end of the curve, every point on it.
    QVERIFY(qAbs(*values.front().x - 1) < 1e-4);
    QVERIFY(qAbs(*values.back().x - 1000) < 1e-2);
    for (const QPointF& p : positions) {
        const double x = p.x() / kTwipsPerPixel, y = p.y() / kTwipsPerPixel;
        QVERIFY(qAbs(y - (x <= 200 ? 400 - 3.0 * (x - 100) : 100 + 0.6 * (x - 200))) < 1e-3);
    }
    const double step = (scaled(values.back()) - scaled(values.front())) / (expectedCount - 1);
    const double arcStep =
        std::hypot(positions[1].x() - positions[0].x(), positions[1].y() - positions[0].y());
    QVERIFY(arcStep > 0);
    for (int k = 1; k < expectedCount; ++k) {
        if (spacing == PointSpacing::EvenInX) {
            QVERIFY2(qAbs(scaled(values[k]) - scaled(values[k - 1]) - step) < 1e-4 * qAbs(step) + 1e-3,
                     qPrintable(QString::number(k)));
        } else if (const QPointF d = positions[k] - positions[k - 1];
                   positions[k - 1].x() > 200 * kTwipsPerPixel || positions[k].x() < 200 * kTwipsPerPixel) {
            // (the step over the bend is a chord)
            QVERIFY(qAbs(std::hypot(d.x(), d.y()) - arcStep) < 1e-3 * arcStep);
        }
    }
}

QTEST_GUILESS_MAIN(TestTracedPoints)
#include "tst_traced_points.moc"
