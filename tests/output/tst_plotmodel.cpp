// The plot as data: range check, axes and their marks and labels, the
// opening range, the sorting of the Lines, the curves within the frame and
// the click readouts.

#include "OutputFixtures.h"
#include "output/PlotLabelFormat.h"
#include "output/PlotLayout.h"
#include "output/PlotModel.h"
#include "output/PlotReadout.h"

#include <QTest>

#include <cmath>

using namespace tracol;

namespace {

// Every character 100 drawing units wide, every text 200 high.
QSizeF fixedMeasure(const QString& text, const PlotFont&) {
    return QSizeF(100.0 * text.size(), 200);
}

PlotRequest request(const QString& xMin, const QString& xMax, const QString& yMin, const QString& yMax,
                    bool logX = false, bool logY = false) {
    PlotRequest r;
    r.range = PlotRangeTexts{xMin, xMax, yMin, yMax};
    r.logXChecked = logX;
    r.logYChecked = logY;
    return r;
}

PlotData gathered(const PlotRequest& r) {
    SharedState state;
    return gatherPlotData(state, r);
}

// Narrow characters, for labels that never touch.
QSizeF narrowMeasure(const QString& text, const PlotFont&) {
    return QSizeF(25.0 * text.size(), 200);
}

PlotScene laidOut(const PlotData& data, QSizeF area = QSizeF(9000, 6000),
                  const PlotTextMeasure& measure = fixedMeasure) {
    return layoutPlotScene(data, area, PlotTarget::Screen, measure);
}

} // namespace

class TestPlotModel : public QObject {
    Q_OBJECT

  private slots:
    void linearAxis_data();
    void linearAxis();
    void tickLabels_data();
    void tickLabels();
    void unusableRange_data();
    void unusableRange();
    void logAxisWidening_data();
    void logAxisWidening();
    void logMarksLabelledByDecadeWidth_data();
    void logMarksLabelledByDecadeWidth();
    void openingRangeAndLogBoxes();
    void drawingSortsLinesAndKeepsPointsInRange();
    void samplerSwitchingLogXOffKeepsTheAxes();
    void curvesStayInsideTheFrame();
    void clickReadout_data();
    void clickReadout();
    void pickedPointReadout();
};

void TestPlotModel::linearAxis_data() {
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("drawnMin");
    QTest::addColumn<double>("drawnMax");
    QTest::addColumn<int>("intervals");
    QTest::newRow("0..10: first step above 2 is 5") << "0"
                                                    << "10" << 5.0 << 0.0 << 10.0 << 2;
    QTest::newRow("0.3..9.7: 1.88 gives 2") << "0.3"
                                            << "9.7" << 2.0 << 0.0 << 10.0 << 5;
    QTest::newRow("negative minimum goes down") << "-3.3"
                                                << "7.1" << 5.0 << -5.0 << 10.0 << 3;
    QTest::newRow("Single ends on the grid stay") << "0.1"
                                                  << "0.3" << 0.05 << 0.1 << 0.3 << 4;
}

void TestPlotModel::linearAxis() {
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(double, step);
    QFETCH(double, drawnMin);
    QFETCH(double, drawnMax);
    QFETCH(int, intervals);
    const PlotData data = gathered(request(min, max, min, max));
    QVERIFY(data.usable);
    for (const PlotAxisRange& axis : {data.x, data.y}) {
        QVERIFY(!axis.log);
        QCOMPARE(axis.step, step);
        QVERIFY(std::fabs(axis.min - drawnMin) < 1e-12);
        QVERIFY(std::fabs(axis.max - drawnMax) < 1e-12);
        QCOMPARE(axis.intervals, intervals);
        QCOMPARE(int(axis.marks.size()), intervals + 1);
    }
}

void TestPlotModel::tickLabels_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << ".0";
    QTest::newRow("rounding residue near zero") << -5.5e-17 << ".0";
    QTest::newRow("whole number keeps its point") << 5.0 << "5.";
    QTest::newRow("below one") << 0.3 << ".3";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("six decimals") << 1.2345678 << "1.234568";
    QTest::newRow("10000 in exponent form") << 10000.0 << "1.0E+4";
    QTest::newRow("large") << 31250.0 << "3.125E+4";
    QTest::newRow("small") << 0.000005 << "5.0E-6";
    QTest::newRow("negative large") << -120000.0 << "-1.2E+5";
}

void TestPlotModel::tickLabels() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(tickLabelText(value), text);
}

void TestPlotModel::unusableRange_data() {
    QTest::addColumn<QStringList>("range");
    QTest::addColumn<bool>("logX");
    QTest::addColumn<bool>("logY");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("drawnLogY");
    const QStringList good{"1", "10", "1", "10"};
    QTest::newRow("log X box with Xmin 0")
        << QStringList{"0", "10", "1", "10"} << true << false << false << false;
    QTest::newRow("log X box with Xmax negative")
        << QStringList{"1", "-10", "1", "10"} << true << false << false << false;
    QTest::newRow("Xmax equal to Xmin")
        << QStringList{"5", "5", "1", "10"} << false << false << false << false;
    QTest::newRow("Ymax below Ymin") << QStringList{"1", "10", "10", "1"} << false << false << false << false;
    QTest::newRow("wider than the step table")
        << QStringList{"-3E+38", "3E+38", "1", "10"} << false << false << false << false;
    QTest::newRow("log Y box with Ymin 0 draws Y linearly")
        << QStringList{"1", "10", "0", "10"} << true << true << true << false;
    QTest::newRow("both log") << good << true << true << true << true;
}

void TestPlotModel::unusableRange() {
    QFETCH(QStringList, range);
    QFETCH(bool, logX);
    QFETCH(bool, logY);
    QFETCH(bool, usable);
    QFETCH(bool, drawnLogY);
    SharedState state;
    testing::addLine(state, 1, QStringLiteral("1"), {3, 2}, {5, 4}, {});
    state.PlotLogX = true;
    const PlotData data = gatherPlotData(state, request(range[0], range[1], range[2], range[3], logX, logY));
    QCOMPARE(data.usable, usable);
    if (!usable) {
        // Nothing is drawn and nothing changes: the Line stays unsorted.
        QCOMPARE(state.PointXText[1][1], QStringLiteral("3"));
        QVERIFY(state.PlotLogX);
        QVERIFY(data.points.empty());
        QVERIFY(!laidOut(data).usable);
        return;
    }
    QCOMPARE(data.y.log, drawnLogY);
    QCOMPARE(state.PlotLogX, logX);
}

void TestPlotModel::logAxisWidening_data() {
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<double>("xMin");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<double>("yMin");
    QTest::addColumn<double>("yMax");
    QTest::newRow("345..3456") << "345"
                               << "3456" << 300.0 << 4000.0 << 300.0 << 4000.0;
    QTest::newRow("345..3000: X keeps a whole digit") << "345"
                                                      << "3000" << 300.0 << 3000.0 << 300.0 << 4000.0;
    QTest::newRow("0.0123..0.98") << "0.0123"
                                  << "0.98" << 0.01 << 1.0 << 0.01 << 1.0;
    QTest::newRow("9999.7 reads as 1.000E+4") << "2"
                                              << "9999.7" << 2.0 << 10000.0 << 2.0 << 20000.0;
}

void TestPlotModel::logAxisWidening() {
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(double, xMin);
    QFETCH(double, xMax);
    QFETCH(double, yMin);
    QFETCH(double, yMax);
    const PlotData data = gathered(request(min, max, min, max, true, true));
    QVERIFY(data.usable && data.x.log && data.y.log);
    QCOMPARE(data.x.min, xMin);
    QCOMPARE(data.x.max, xMax);
    QCOMPARE(data.y.min, yMin);
    QCOMPARE(data.y.max, yMax);
}

void TestPlotModel::logMarksLabelledByDecadeWidth_data() {
    QTest::addColumn<double>("decadeWidth");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("300: decades only") << 300.0 << QStringList{"1", "10", "100"};
    QTest::newRow("500: 1 and 5") << 500.0 << QStringList{"1", "5", "10", "50", "100"};
    QTest::newRow("600: 1, 2 and 5") << 600.0 << QStringList{"1", "2", "5", "10", "20", "50", "100"};
    QTest::newRow("1000: 1, 2, 3 and 5")
        << 1000.0 << QStringList{"1", "2", "3", "5", "10", "20", "30", "50", "100"};
    QTest::newRow("1500: 1, 2, 3, 5 and 7")
        << 1500.0 << QStringList{"1", "2", "3", "5", "7", "10", "20", "30", "50", "70", "100"};
}

// A log X axis over 1..100 laid out so that one decade is decadeWidth wide.
void TestPlotModel::logMarksLabelledByDecadeWidth() {
    QFETCH(double, decadeWidth);
    QFETCH(QStringList, labels);
    const PlotData data = gathered(request("1", "100", "1", "2", true, false));
    QCOMPARE(int(data.x.marks.size()), 19); // 1..9, 10..90, 100
    for (int i = 0; i < 19; ++i)
        QCOMPARE(data.x.marks[size_t(i)].digit, i % 9 + 1);

    // The margins do not depend on the width: widen the area until the
    // frame is two decades of decadeWidth.
    const double frameWidth = laidOut(data, QSizeF(9000, 6000), narrowMeasure).frame.width();
    const PlotScene scene = laidOut(data, QSizeF(9000 + 2 * decadeWidth - frameWidth, 6000), narrowMeasure);
    QVERIFY(std::fabs(std::log(10.0) * scene.x.scale - decadeWidth) < 1e-6);
    QStringList xLabels;
    for (const PlotText& label : scene.tickLabels)
        if (label.topLeft.y() > scene.frame.bottom())
            xLabels << label.text;
    xLabels.sort();
    labels.sort();
    QCOMPARE(xLabels, labels);
    int verticalGrid = 0;
    for (const PlotSegment& line : scene.gridLines)
        verticalGrid += line.from.x() == line.to.x() && line.from.y() == scene.frame.top();
    QCOMPARE(verticalGrid, 19);
}

void TestPlotModel::openingRangeAndLogBoxes() {
    SharedState state;
    testing::addLine(state, 1, QStringLiteral("1"), {2.5, 7}, {10, 30}, {});
    testing::addLine(state, 2, QStringLiteral("2"), {1.25, 4}, {40, 12}, {});
    // A typed (non-zero) Ymax overrides the data's; zero fields do not.
    const PlotRangeValues standard = standardPlotRange(state, PlotRangeTexts{"0", "", " 0 ", "55"});
    QCOMPARE(standard.xMin, 1.25f);
    QCOMPARE(standard.xMax, 7.0f);
    QCOMPARE(standard.yMin, 10.0f);
    QCOMPARE(standard.yMax, 55.0f);
    const PlotRangeTexts texts = plotRangeTexts(standard);
    QCOMPARE(texts.xMin, QStringLiteral(" 1.25"));
    QCOMPARE(texts.yMax, QStringLiteral(" 55"));
    // No Line in use: the start values leave an unusable range.
    QVERIFY(!plotRangeUsable(standardPlotRange(SharedState{}, {}), false));

    QVERIFY(!logBoxStartsChecked(AxisKind::Linear));
    QVERIFY(logBoxStartsChecked(AxisKind::Logarithmic));
}

void TestPlotModel::drawingSortsLinesAndKeepsPointsInRange() {
    SharedState state;
    testing::addLine(state, 1, QStringLiteral(" 0.5 "), {7.5, 1.2345678, 40, 3}, {1, 2, 3, 4}, {});
    const PlotData data = gatherPlotData(state, request("0", "10", "0", "5"));
    QVERIFY(data.usable);
    const QStringList xs{state.PointXText[1][1], state.PointXText[1][2], state.PointXText[1][3],
                         state.PointXText[1][4]};
    QCOMPARE(xs, (QStringList{"1.234568", "3", "7.5", "40"}));
    QCOMPARE(state.PointYText[1][1], QStringLiteral("2"));
    // X runs 0..10 and Y 0..5: the point at X = 40 lies outside.
    QCOMPARE(data.points.size(), size_t(3));
    QCOMPARE(data.parameters.size(), size_t(1));
    QCOMPARE(data.parameters[0].text, QStringLiteral("0.5"));
    QCOMPARE(data.parameters[0].x, double(1.234568f));
    QVERIFY(laidOut(data).parameterLabels.empty());
    PlotData shown = data;
    shown.showParameters = true;
    const PlotScene scene = laidOut(shown);
    QCOMPARE(scene.parameterLabels.size(), size_t(1));
    QCOMPARE(scene.parameterLabels[0].colour, kPlotParameterColour);
    // Data circles: a quarter of the width of "2", 1.5 times that on paper.
    QCOMPARE(scene.circles[0].radius, 25.0);
    QCOMPARE(layoutPlotScene(shown, QSizeF(9000, 6000), PlotTarget::Printer, fixedMeasure).circles[0].radius,
             37.5);
}

void TestPlotModel::samplerSwitchingLogXOffKeepsTheAxes() {
    SharedState state;
    // Y = 2X + 1 from X = 0; the range typed from X = 1 lets the X axis be logarithmic.
    testing::addLine(state, 1, QStringLiteral("1"), {0, 5, 10}, {1, 11, 21}, {{1, 2, 1, 0, 0, 1, 3}});
    PlotRequest r = request("1", "10", "1", "30", true, true);
    r.fittingRun = true;
    const PlotData data = gatherPlotData(state, r);
    QVERIFY(data.usable);
    QVERIFY(data.logXSwitchedOffBySampler);
    QVERIFY(!state.PlotLogX);
    QVERIFY(data.x.log); // the axes stay as drawn
    QCOMPARE(data.curves.size(), size_t(1));
    QCOMPARE(data.curves[0].points.front().x(), 0.0); // sampled linearly from X = 0
    QVERIFY(laidOut(data).logXSwitchedOffBySampler);
}

void TestPlotModel::curvesStayInsideTheFrame() {
    SharedState state;
    // Y = 2X over 0..10 leaves the Y range 0..10 at X = 5.
    testing::addLine(state, 1, QStringLiteral("1"), {0, 10}, {0, 20}, {{1, 2, 0, 0, 0, 1, 2}});
    PlotRequest r = request("0", "10", "0", "10");
    r.fittingRun = true;
    const PlotScene scene = laidOut(gatherPlotData(state, r));
    QCOMPARE(scene.curves.size(), size_t(1));
    const QRectF inside = scene.frame.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
    for (const QPointF& p : scene.curves[0].points)
        QVERIFY(inside.contains(p));
    const QPointF end = scene.curves[0].points.back();
    QVERIFY(std::fabs(end.y() - scene.frame.top()) < 1e-6);
    QVERIFY(std::fabs(scene.mapping.toValue(end).x() - 5) < 1e-6);
    QCOMPARE(scene.curves[0].colour, kPlotCurveColour);
    QCOMPARE(scene.circles.size(), size_t(1)); // (10, 20) lies above the range
}

void TestPlotModel::clickReadout_data() {
    QTest::addColumn<bool>("log");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("linear") << false << 2.5 << 7.25 << "X=2.50000E+00   Y=7.25000E+00";
    QTest::newRow("logarithmic") << true << 30.0 << 0.02 << "X=3.00000E+01   Y=2.00000E-02";
}

void TestPlotModel::clickReadout() {
    QFETCH(bool, log);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, text);
    const PlotScene scene = laidOut(log ? gathered(request("1", "100", "0.01", "1", true, true))
                                        : gathered(request("0", "10", "0", "10")));
    const QPointF picture = scene.mapping.toPicture(x, y);
    QVERIFY(scene.frame.contains(picture));
    const auto click = plotClickValues(scene, picture);
    QVERIFY(click);
    QVERIFY(std::fabs(click->x - x) < 1e-9 * x);
    QVERIFY(std::fabs(click->y - y) < 1e-9 * y);
    QCOMPARE(click->text, text);
    QVERIFY(!plotClickValues(PlotScene{}, picture)); // nothing drawn, nothing to read
}

void TestPlotModel::pickedPointReadout() {
    SharedState state;
    testing::addLine(state, 1, QStringLiteral("1"), {10, 60}, {20, 70}, {});
    testing::addLine(state, 2, QStringLiteral("2"), {10.2, 80}, {20.1, 90}, {});
    // Range 0..100 from the fields: tolerance 0.5 in X and Y.
    const PlotRangeTexts fields{"0", "100", "0", "100"};
    const auto picked = pickPlotPoint(state, fields, 10.3, 20.2);
    QVERIFY(picked);
    QCOMPARE(picked->line, 1);
    QCOMPARE(picked->text, QStringLiteral(" 10,  20"));
    QCOMPARE(pickPlotPoint(state, fields, 10.6, 20.2)->line, 2);
    QVERIFY(!pickPlotPoint(state, fields, 10.3, 20.7));

    // Text7: 7 pixels per character, raised by 0.65 of its height, moved
    // left by 0.9 of its width when it would pass the right end of Text6.
    QCOMPARE(pointReadoutGeometry(QPointF(1000, 2000), 8, 300, 5000), QRectF(1000, 1805, 840, 300));
    QCOMPARE(pointReadoutGeometry(QPointF(4500, 2000), 8, 300, 5000), QRectF(3744, 1805, 840, 300));
}

QTEST_GUILESS_MAIN(TestPlotModel)
#include "tst_plotmodel.moc"
