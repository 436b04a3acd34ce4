// Equation values, spreadsheet formula texts and curve sampling of Module70.

#include "OutputFixtures.h"
#include "output/Module70.h"

#include <QTest>

#include <cmath>

using namespace tracol;

namespace {

// A state whose sampler input is one section of kind `kind` over [start, end].
SharedState samplerState(qint16 kind, std::array<double, 4> k, float start, float end, bool logX,
                         qint16 steps = 299) {
    SharedState state;
    state.CurveKind = kind;
    state.CoefA[kind] = k[0];
    state.CoefB[kind] = k[1];
    state.CoefC[kind] = k[2];
    state.CoefD[kind] = k[3];
    state.SectionXStart = start;
    state.SectionXEnd = end;
    state.PlotLogX = logX;
    state.CurveSteps = steps;
    return state;
}

int slotOfX(const SharedState& state, float x) {
    for (int u = 1; u <= state.CurvePointCount; ++u)
        if (state.CurveX[u] == x)
            return u;
    return 0;
}

} // namespace

class TestModule70 : public QObject {
    Q_OBJECT

  private slots:
    void equationValue_data();
    void equationValue();
    void equationUndefined_data();
    void equationUndefined();
    void formulaText_data();
    void formulaText();
    void formulaSignRule_data();
    void formulaSignRule();
    void linearKindOneGivesThreeHundredPoints();
    void logSteppingFromZeroSwitchesLogOff();
    void geometricSteppingProducesRatioSteps();
    void otherStepCountsBecome299();
    void guards_data();
    void guards();
    void kindZeroKeepsDataExtent();
    void emptyRangeTerminates();
    void setUpCopiesSectionFromResultStore();
};

void TestModule70::equationValue_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("expected");
    const double a = 0.7, b = -0.4, c = 0.25, d = 1.3, x = 2.2;
    const double l = std::log(x), r = 1.0 / x;
    QTest::newRow("1 X-Y deg 1") << 1 << a * x + b;
    QTest::newRow("2 X-Y deg 2") << 2 << a * x * x + b * x + c;
    QTest::newRow("3 X-Y deg 3") << 3 << a * x * x * x + b * x * x + c * x + d;
    QTest::newRow("4 LnX-Y deg 1") << 4 << a * l + b;
    QTest::newRow("5 LnX-Y deg 2") << 5 << a * l * l + b * l + c;
    QTest::newRow("6 LnX-Y deg 3") << 6 << a * l * l * l + b * l * l + c * l + d;
    QTest::newRow("7 X-LnY deg 1") << 7 << std::exp(a * x + b);
    QTest::newRow("8 X-LnY deg 2") << 8 << std::exp(a * x * x + b * x + c);
    QTest::newRow("9 X-LnY deg 3") << 9 << std::exp(a * x * x * x + b * x * x + c * x + d);
    QTest::newRow("10 LnX-LnY deg 1") << 10 << std::exp(a * l + b);
    QTest::newRow("11 LnX-LnY deg 2") << 11 << std::exp(a * l * l + b * l + c);
    QTest::newRow("12 LnX-LnY deg 3") << 12 << std::exp(a * l * l * l + b * l * l + c * l + d);
    QTest::newRow("13 1/X-Y deg 1") << 13 << a * r + b;
    QTest::newRow("14 1/X-Y deg 2") << 14 << a * r * r + b * r + c;
    QTest::newRow("15 1/X-Y deg 3") << 15 << a * r * r * r + b * r * r + c * r + d;
    QTest::newRow("16 X-1/Y deg 1") << 16 << 1.0 / (a * x + b);
    QTest::newRow("17 X-1/Y deg 2") << 17 << 1.0 / (a * x * x + b * x + c);
    QTest::newRow("18 X-1/Y deg 3") << 18 << 1.0 / (a * x * x * x + b * x * x + c * x + d);
    QTest::newRow("19 1/X-1/Y deg 1") << 19 << 1.0 / (a * r + b);
    QTest::newRow("20 1/X-1/Y deg 2") << 20 << 1.0 / (a * r * r + b * r + c);
    QTest::newRow("21 1/X-1/Y deg 3") << 21 << 1.0 / (a * r * r * r + b * r * r + c * r + d);
}

void TestModule70::equationValue() {
    QFETCH(int, kind);
    QFETCH(double, expected);
    const auto y = Module70::equationY(kind, 0.7, -0.4, 0.25, 1.3, 2.2);
    QVERIFY(y.has_value());
    QVERIFY2(std::fabs(*y - expected) <= 1e-12 * std::fabs(expected),
             qPrintable(QString::number(*y, 'g', 17)));
}

void TestModule70::equationUndefined_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("x");
    QTest::newRow("ln of a negative X") << 4 << 1.0 << -1.0;
    QTest::newRow("ln of zero") << 11 << 1.0 << 0.0;
    QTest::newRow("1/X at zero") << 13 << 1.0 << 0.0;
    QTest::newRow("zero denominator") << 16 << 0.0 << 0.0;
    QTest::newRow("exp overflow") << 7 << 1000.0 << 1.0;
    QTest::newRow("kind 0") << 0 << 1.0 << 1.0;
    QTest::newRow("kind 22") << 22 << 1.0 << 1.0;
}

void TestModule70::equationUndefined() {
    QFETCH(int, kind);
    QFETCH(double, b);
    QFETCH(double, x);
    QVERIFY(!Module70::equationY(kind, 1.0, b, 0, 0, x).has_value());
}

void TestModule70::formulaText_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    // a = 2, b = -0.5, c = 0.25, d = -3
    QTest::newRow("1") << 1 << "=2*$B$1-.5";
    QTest::newRow("2") << 2 << "=2*$B$1^2-.5*$B$1+.25";
    QTest::newRow("3") << 3 << "=2*$B$1^3-.5*$B$1^2+.25*$B$1-3";
    QTest::newRow("4") << 4 << "=2*LN($B$1)-.5";
    QTest::newRow("5") << 5 << "=2*LN($B$1)^2-.5*LN($B$1)+.25";
    QTest::newRow("6") << 6 << "=2*LN($B$1)^3-.5*LN($B$1)^2+.25*LN($B$1)-3";
    QTest::newRow("7") << 7 << "=EXP(2*$B$1-.5)";
    QTest::newRow("8") << 8 << "=EXP(2*$B$1^2-.5*$B$1+.25)";
    QTest::newRow("9") << 9 << "=EXP(2*$B$1^3-.5*$B$1^2+.25*$B$1-3)";
    QTest::newRow("10") << 10 << "=EXP(2*LN($B$1)-.5)";
    QTest::newRow("11") << 11 << "=EXP(2*LN($B$1)^2-.5*LN($B$1)+.25)";
    QTest::newRow("12") << 12 << "=EXP(2*LN($B$1)^3-.5*LN($B$1)^2+.25*LN($B$1)-3)";
    QTest::newRow("13") << 13 << "=2*(1/$B$1)-.5";
    QTest::newRow("14") << 14 << "=2*(1/$B$1)^2-.5*(1/$B$1)+.25";
    QTest::newRow("15") << 15 << "=2*(1/$B$1)^3-.5*(1/$B$1)^2+.25*(1/$B$1)-3";
    QTest::newRow("16") << 16 << "=1/(2*$B$1-.5)";
    QTest::newRow("17") << 17 << "=1/(2*$B$1^2-.5*$B$1+.25)";
    QTest::newRow("18") << 18 << "=1/(2*$B$1^3-.5*$B$1^2+.25*$B$1-3)";
    QTest::newRow("19") << 19 << "=1/(2*(1/$B$1)-.5)";
    QTest::newRow("20") << 20 << "=1/(2*(1/$B$1)^2-.5*(1/$B$1)+.25)";
    QTest::newRow("21") << 21 << "=1/(2*(1/$B$1)^3-.5*(1/$B$1)^2+.25*(1/$B$1)-3)";
    QTest::newRow("0 has no formula") << 0 << "";
    QTest::newRow("22 has no formula") << 22 << "";
}

void TestModule70::formulaText() {
    QFETCH(int, kind);
    QFETCH(QString, expected);
    QCOMPARE(Module70::SheetFormulaText(static_cast<qint16>(kind), 2.0f, -0.5f, 0.25f, -3.0f), expected);
}

void TestModule70::formulaSignRule_data() {
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<QString>("expected");
    QTest::newRow("b = -0.5: its own minus") << 2.0f << -0.5f << "=2*$B$1-.5";
    QTest::newRow("b = 0.5: a plus") << 2.0f << 0.5f << "=2*$B$1+.5";
    QTest::newRow("b = 0: a plus") << 2.0f << 0.0f << "=2*$B$1+0";
    QTest::newRow("negative a keeps its sign") << -1.25f << 3.0f << "=-1.25*$B$1+3";
    QTest::newRow("exponent form") << 1.5e-5f << -2.5e-7f << "=1.5E-05*$B$1-2.5E-07";
    QTest::newRow("seven digits") << 12345678.0f << 0.1234567f << "=1.234568E+07*$B$1+.1234567";
}

void TestModule70::formulaSignRule() {
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(QString, expected);
    QCOMPARE(Module70::SheetFormulaText(1, a, b, 99.0f, 99.0f), expected);
}

void TestModule70::linearKindOneGivesThreeHundredPoints() {
    SharedState state = samplerState(1, {2, 1, 0, 0}, 0, 299, false);
    // The section's data points: one inside the range with a high Y, one outside.
    testing::addLine(state, 3, QStringLiteral("1"), {0, 150, 400}, {5, 2000, -7000}, {{1, 2, 1, 0, 0, 1, 3}});
    state.CurveLine = 3;
    state.CurveSection = 1;
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurvePointCount, qint16(300));
    for (int u = 1; u <= 300; ++u) {
        QCOMPARE(state.CurveX[u], float(u - 1));
        QCOMPARE(state.CurveY[u], float(2 * (u - 1) + 1));
    }
    QCOMPARE(state.SectionYMin, 1.0f);
    QCOMPARE(state.SectionYMax, 2000.0f); // the data point widens it; X = 400 lies outside
    QCOMPARE(state.CurveSteps, qint16(299));
}

void TestModule70::logSteppingFromZeroSwitchesLogOff() {
    SharedState state = samplerState(1, {2, 1, 0, 0}, 0, 299, true);
    Module70::SampleSectionCurve(state);
    QVERIFY(!state.PlotLogX);
    QCOMPARE(state.CurvePointCount, qint16(300));
    QCOMPARE(state.CurveX[1], 0.0f);
    // Still off for the next section, even one that starts above zero.
    state.SectionXStart = 1;
    state.SectionXEnd = 300;
    Module70::SampleSectionCurve(state);
    QVERIFY(!state.PlotLogX);
    QCOMPARE(state.CurveX[1], 1.0f);
}

void TestModule70::geometricSteppingProducesRatioSteps() {
    SharedState state = samplerState(1, {1, 0, 0, 0}, 1, 100, true);
    Module70::SampleSectionCurve(state);
    QVERIFY(state.PlotLogX);
    QVERIFY(state.CurvePointCount >= 298 && state.CurvePointCount <= 299);
    const double ratio = std::pow(100.0, 1.0 / 299.0);
    QVERIFY(std::fabs(state.CurveX[1] - ratio) < 1e-5); // the start itself is not produced
    for (int u = 1; u <= state.CurvePointCount; ++u) {
        QVERIFY(state.CurveX[u] <= 100.0f);
        QVERIFY(std::fabs(state.CurveX[u] / std::pow(ratio, u) - 1.0) < 1e-5);
    }
    // The last value lies at most one ratio step below the end.
    QVERIFY(state.CurveX[state.CurvePointCount] * ratio > 99.99f);
}

void TestModule70::otherStepCountsBecome299() {
    SharedState state = samplerState(1, {1, 0, 0, 0}, 0, 29, false, 17);
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurveSteps, qint16(299));
    QVERIFY(state.CurvePointCount >= 299);
    state.CurveSteps = 29;
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurveSteps, qint16(29));
    QCOMPARE(state.CurvePointCount, qint16(30));
}

void TestModule70::guards_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<bool>("logX");
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("probeX"); // a stored X to look at (NaN: none)
    QTest::addColumn<float>("probeY"); // its Y
    const float none = std::nanf("");

    // X = -100, -99, ..., 199 exactly (step 1): 300 values, one of them 0.
    QTest::newRow("7 u=40 linear skipped") << 7 << 0.0 << 40.0 << 1.0f << 2.0f << false << 0 << none << none;
    QTest::newRow("7 u=40 geometric kept") << 7 << 0.0 << 40.0 << 1.0f << 2.0f << true << 299 << none << none;
    QTest::newRow("7 u=-45 geometric kept")
        << 7 << 0.0 << -45.0 << 1.0f << 2.0f << true << 299 << none << none;
    QTest::newRow("7 u=60 geometric skipped")
        << 7 << 0.0 << 60.0 << 1.0f << 2.0f << true << 0 << none << none;
    QTest::newRow("7 u=25 linear kept") << 7 << 0.0 << 25.0 << 1.0f << 300.0f << false << 300 << none << none;
    QTest::newRow("4 linear X<=0 skipped")
        << 4 << 1.0 << 0.0 << -100.0f << 199.0f << false << 199 << 1.0f << 0.0f;
    QTest::newRow("10 linear X<=0 skipped")
        << 10 << 0.0 << 1.0 << -100.0f << 199.0f << false << 199 << 5.0f << float(std::exp(1.0));
    QTest::newRow("13 linear X=0 skipped")
        << 13 << 1.0 << 0.0 << -100.0f << 199.0f << false << 299 << 0.0f << none;
    QTest::newRow("15 X=0 moves to X0")
        << 15 << 1.0 << 0.0 << -100.0f << 199.0f << false << 300
        << float(std::pow(1.0 / std::exp(30.0), 1.0 / 3.0)) << float(std::exp(30.0));
    QTest::newRow("16 v=0 gives 1e30")
        << 16 << 1.0 << 0.0 << -100.0f << 199.0f << false << 300 << 0.0f << 1e30f;
    QTest::newRow("19 X=0 becomes 1e-30")
        << 19 << 1.0 << 0.0 << -100.0f << 199.0f << false << 300 << 1e-30f << 1e-30f;
    QTest::newRow("19 v=0 linear") << 19 << 0.0 << 0.0 << 1.0f << 300.0f << false << 300 << 1.0f << 1e30f;
    QTest::newRow("20 X=0 and v capped")
        << 20 << 1.0 << 0.0 << -100.0f << 199.0f << false << 300 << 1e-30f << 1e-30f;
    QTest::newRow("20 v=0 geometric") << 20 << 0.0 << 0.0 << 1.0f << 2.0f << true << 299 << none << none;
    QTest::newRow("20 v=0 linear faults") << 20 << 0.0 << 0.0 << 1.0f << 2.0f << false << 0 << none << none;
    QTest::newRow("21 v capped geometric")
        << 21 << 1.0 << 0.0 << 1e-11f << 1e-10f << true << 299 << none << none;
}

void TestModule70::guards() {
    QFETCH(int, kind);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(bool, logX);
    QFETCH(int, count);
    QFETCH(float, probeX);
    QFETCH(float, probeY);
    SharedState state = samplerState(static_cast<qint16>(kind), {a, b, 0, 0}, start, end, logX);
    Module70::SampleSectionCurve(state);
    QCOMPARE(int(state.CurvePointCount), count);
    if (!std::isnan(probeX)) {
        const int slot = slotOfX(state, probeX);
        if (std::isnan(probeY)) {
            QCOMPARE(slot, 0);
        } else {
            QVERIFY2(slot > 0, "probe X not produced");
            QVERIFY2(std::fabs(state.CurveY[slot] - probeY) <= 1e-5f * std::fabs(probeY),
                     qPrintable(QString::number(state.CurveY[slot])));
        }
    }
    if (kind == 21) // the capped denominator gives Y = 1 / 1e30 everywhere
        QCOMPARE(state.CurveY[1], 1.0f / 1e30f);
    for (int u = 1; u <= state.CurvePointCount; ++u)
        QVERIFY(std::isfinite(state.CurveY[u]));
}

void TestModule70::kindZeroKeepsDataExtent() {
    SharedState state = samplerState(0, {5, 5, 5, 5}, 1, 10, false);
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurvePointCount, qint16(0));
    QCOMPARE(state.SectionYMin, 1e20f);
    QCOMPARE(state.SectionYMax, -1e20f);

    testing::addLine(state, 2, QStringLiteral("5"), {1, 4, 9, 12}, {-3.5, 8, 2, 99}, {{0, 0, 0, 0, 0, 1, 4}});
    state.CurveLine = 2;
    state.CurveSection = 1;
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurvePointCount, qint16(0));
    QCOMPARE(state.SectionYMin, -3.5f);
    QCOMPARE(state.SectionYMax, 8.0f); // X = 12 lies outside 1..10
}

void TestModule70::emptyRangeTerminates() {
    SharedState state = samplerState(1, {1, 1, 0, 0}, 5, 5, false);
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurvePointCount, qint16(0));
    state.PlotLogX = true;
    Module70::SampleSectionCurve(state);
    QCOMPARE(state.CurvePointCount, qint16(0));
    // A range whose step vanishes next to X ends too.
    state = samplerState(1, {1, 1, 0, 0}, 1e8f, 1e8f + 8, false);
    Module70::SampleSectionCurve(state);
    QVERIFY(state.CurvePointCount >= 1 && state.CurvePointCount <= 300);
}

void TestModule70::setUpCopiesSectionFromResultStore() {
    SharedState state;
    testing::addLine(state, 4, QStringLiteral("1"), {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5},
                     {{2, 1.5f, -2.5f, 3.5f, 9.0f, 1, 3}, {16, 0.5f, 0.25f, 7.0f, 8.0f, 3, 3}});
    Module70::setUpSectionCurve(state, 4, 1);
    QCOMPARE(state.CurveKind, qint16(2));
    QCOMPARE(state.CoefA[2], 1.5);
    QCOMPARE(state.CoefB[2], -2.5);
    QCOMPARE(state.CoefC[2], 3.5);
    QCOMPARE(state.CoefD[2], 9.0);
    QCOMPARE(state.SectionXStart, 1.0f);
    QCOMPARE(state.SectionXEnd, 3.0f);
    // Degree 1 clears c and d; a section whose ends share one X keeps the range.
    Module70::setUpSectionCurve(state, 4, 2);
    QCOMPARE(state.CurveKind, qint16(16));
    QCOMPARE(state.CoefA[16], 0.5);
    QCOMPARE(state.CoefC[16], 0.0);
    QCOMPARE(state.CoefD[16], 0.0);
    QCOMPARE(state.SectionXStart, 1.0f);
    QCOMPARE(state.SectionXEnd, 3.0f);
    QCOMPARE(state.CurveLine, qint16(4));
    QCOMPARE(state.CurveSection, qint16(2));
}

QTEST_GUILESS_MAIN(TestModule70)
#include "tst_module70.moc"
