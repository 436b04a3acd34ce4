// The regression module: coefficient format, equation texts, status codes,
// screening of coordinate systems, the error rules and the solver.

#include "fit/KKAIKI.h"
#include "fit/KKAIKI_Format.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace tracol;
using namespace tracol::KKAIKI;

namespace {

ExcludedFlags onlySystems(std::initializer_list<int> included) {
    ExcludedFlags flags{0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    for (int s : included)
        flags[static_cast<size_t>(s)] = 0;
    return flags;
}

const ExcludedFlags kAllSystems{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

FitInput inputOf(const std::vector<std::pair<QString, QString>>& points) {
    FitInput input;
    input.FitInputCount = static_cast<qint16>(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        input.FitInputX[i + 1] = points[i].first;
        input.FitInputY[i + 1] = points[i].second;
    }
    return input;
}

QList<int> eqNos(const CandidateTable& table) {
    QList<int> out;
    for (int k = 1; k <= table.CandidateCount; ++k)
        out.append(table.Candidates[static_cast<size_t>(k)].EqNo);
    return out;
}

QList<int> allDegreesOf(std::initializer_list<int> systems) {
    QList<int> out;
    for (int s : systems)
        for (int d = 1; d <= 3; ++d)
            out.append(eqNoOf(s, d));
    return out;
}

const FitCandidate& candidate(const CandidateTable& table, int eqNo) {
    for (int k = 1; k <= table.CandidateCount; ++k) {
        if (table.Candidates[static_cast<size_t>(k)].EqNo == eqNo)
            return table.Candidates[static_cast<size_t>(k)];
    }
    qFatal("no candidate %d", eqNo);
}

} // namespace

class TestKKAIKI : public QObject {
    Q_OBJECT
  private slots:
    void formatCoefficient_data();
    void formatCoefficient();
    void formattedValueReadsTheText();
    void formattedValueAgreesWithTheTextEverywhere();
    void statusCodes();
    void equationTexts_data();
    void equationTexts();
    void positiveCoefficientShowsTwoBlanks();
    void screening_data();
    void screening();
    void standardConditionsGiveThreeCandidates();
    void exactLineHasZeroError();
    void measuredZeroUsesPredictedValue();
    void predictedZeroDividesByTinyValue();
    void measuredOneInLogSystemsUsesExpOfPrediction_data();
    void measuredOneInLogSystemsUsesExpOfPrediction();
    void singularCubicDoesNotStop();
    void faultedCandidateIsNotRecorded_data();
    void faultedCandidateIsNotRecorded();
    void negligibleSubnormalCoefficientIsKept();
    void solverSolvesWithPivoting();
    void solverStopsOnZeroPivot();
    void preparedRangeMatchesTextInput();
};

void TestKKAIKI::formatCoefficient_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "-0.00000E-50";
    QTest::newRow("123.4567") << 123.4567 << " 1.23456E+02";
    QTest::newRow("-0.0045") << -0.0045 << "-4.50000E-03";
    QTest::newRow("9.999999 truncated") << 9.999999 << " 9.99999E+00";
    QTest::newRow("rounds up to ten") << -0.9999999999999999 << "-1.00000E+00";
    QTest::newRow("99.99999999999999") << 99.99999999999999 << " 1.00000E+02";
    QTest::newRow("one") << 1.0 << " 1.00000E+00";
    QTest::newRow("half") << 0.5 << " 5.00000E-01";
    QTest::newRow("1e-4 scaled") << 0.0001 << " 1.00000E-04";
    QTest::newRow("exponent notation small") << 1.5e-5 << " 1.50000E-05";
    QTest::newRow("exponent notation long mantissa") << -2.3456789e-7 << "-2.34567E-07";
    QTest::newRow("exponent notation large") << 1.0e20 << " 1.00000E+20";
    QTest::newRow("below 1e15") << 123456789012345.0 << " 1.23456E+14";
    QTest::newRow("three-digit exponent") << 2.5e-120 << " 2.50000E-120";
    QTest::newRow("negative large") << -76543.21 << "-7.65432E+04";
    QTest::newRow("infinite") << double(INFINITY) << " INF";
}

void TestKKAIKI::formatCoefficient() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatCoefficient(value), expected);
}

void TestKKAIKI::formattedValueReadsTheText() {
    QCOMPARE(formattedValue(9.999999), 9.99999);
    QCOMPARE(formattedValue(-0.0045), -0.0045);
    QCOMPARE(formattedValue(0.0), 0.0);
    QVERIFY(std::isinf(formattedValue(NAN)));
}

void TestKKAIKI::formattedValueAgreesWithTheTextEverywhere() {
    // The ranking value is computed without the text where that is safe; it
    // must be the very number the text reads back as.
    QRandomGenerator random(2385);
    for (int i = 0; i < 200000; ++i) {
        const double exponent = random.bounded(40.0) - 20.0;
        double v = std::pow(10.0, exponent) * (random.bounded(2) ? 1 : -1);
        if (i % 7 == 0) // values right below a power of ten
            v = std::nextafter(std::pow(10.0, std::floor(exponent)), 0.0);
        if (i % 11 == 0) // short decimals, exact six-digit mantissas
            v = std::round(v * 1e3) / 1e3;
        QCOMPARE(formattedValue(v), formattedValueFromText(v));
    }
}

void TestKKAIKI::statusCodes() {
    const QStringList expected = {"",    "200", "300", "400", "210", "310", "410", "201",
                                  "301", "401", "211", "311", "411", "220", "320", "420",
                                  "202", "302", "402", "222", "322", "422"};
    const auto table = EquationStatusCode();
    for (int eqNo = 0; eqNo <= kMaxEqNo; ++eqNo) {
        QCOMPARE(table[static_cast<size_t>(eqNo)], expected.at(eqNo));
        QCOMPARE(statusCodeOf(eqNo), expected.at(eqNo));
    }
    QCOMPARE(statusCodeOf(22), QString());
}

void TestKKAIKI::equationTexts_data() {
    QTest::addColumn<int>("eqNo");
    QTest::addColumn<QList<float>>("c");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("program");
    const QList<float> c = {1.5f, -2.25f, 0.125f, -4.0f};
    QTest::newRow("A degree 1") << 1 << c << "Y =  1.50000E+00 X - 2.25000E+00"
                                << "Y1! =  1.50000E+00* X1! - 2.25000E+00";
    QTest::newRow("A degree 2 extra blank")
        << 2 << c << "Y =  1.50000E+00 X^2  - 2.25000E+00 X +  1.25000E-01"
        << "Y1! =  1.50000E+00* X1!^2  - 2.25000E+00* X1! +  1.25000E-01";
    QTest::newRow("A degree 3")
        << 3 << c << "Y =  1.50000E+00 X^3 - 2.25000E+00 X^2 +  1.25000E-01 X - 4.00000E+00"
        << "Y1! =  1.50000E+00* X1!^3 - 2.25000E+00* X1!^2 +  1.25000E-01* X1! - 4.00000E+00";
    QTest::newRow("B degree 1") << 4 << c << "Y =  1.50000E+00 Log(X) - 2.25000E+00"
                                << "Y1! =  1.50000E+00* Log(X1!) - 2.25000E+00";
    QTest::newRow("C degree 1 EXP") << 7 << c << "Log(Y) =  1.50000E+00 X - 2.25000E+00"
                                    << "Y1! = EXP(  1.50000E+00* X1! - 2.25000E+00 )";
    QTest::newRow("C degree 2 EXP") << 8 << c << "Log(Y) =  1.50000E+00 X^2  - 2.25000E+00 X +  1.25000E-01"
                                    << "Y1! = EXP(  1.50000E+00* X1!^2  - 2.25000E+00* X1! +  1.25000E-01 )";
    QTest::newRow("D degree 3 Exp")
        << 12 << c
        << "Log(Y) =  1.50000E+00 (Log(X))^3 - 2.25000E+00 (Log(X))^2 +  1.25000E-01 Log(X) - 4.00000E+00"
        << "Y1! = Exp(  1.50000E+00* (Log(X1!))^3 - 2.25000E+00* (Log(X1!))^2 +  1.25000E-01* Log(X1!) - "
           "4.00000E+00 )";
    QTest::newRow("E degree 2") << 14 << c << "Y =  1.50000E+00 (1/X)^2  - 2.25000E+00 (1/X) +  1.25000E-01"
                                << "Y1! =  1.50000E+00* (1/X1!)^2  - 2.25000E+00* (1/X1!) +  1.25000E-01";
    QTest::newRow("F degree 1") << 16 << c << "1/Y =  1.50000E+00 X - 2.25000E+00"
                                << "Y1! = 1 / (  1.50000E+00* X1! - 2.25000E+00 )";
    QTest::newRow("G degree 3")
        << 21 << c << "1/Y =  1.50000E+00 (1/X)^3 - 2.25000E+00 (1/X)^2 +  1.25000E-01 (1/X) - 4.00000E+00"
        << "Y1! = 1 / (  1.50000E+00* (1/X1!)^3 - 2.25000E+00* (1/X1!)^2 +  1.25000E-01* (1/X1!) - "
           "4.00000E+00 )";
    QTest::newRow("zero coefficient joins with minus")
        << 1 << QList<float>{-1.0f, 0.0f, 0.0f, 0.0f} << "Y = -1.00000E+00 X - 0.00000E-50"
        << "Y1! = -1.00000E+00* X1! - 0.00000E-50";
    QTest::newRow("no equation") << 0 << c << ""
                                 << "";
}

void TestKKAIKI::equationTexts() {
    QFETCH(int, eqNo);
    QFETCH(QList<float>, c);
    QFETCH(QString, equation);
    QFETCH(QString, program);
    QCOMPARE(EquationText(eqNo, c[0], c[1], c[2], c[3]), equation);
    QCOMPARE(ProgramText(eqNo, c[0], c[1], c[2], c[3]), program);
}

void TestKKAIKI::positiveCoefficientShowsTwoBlanks() {
    const QString text = EquationText(1, 2.0f, 3.0f, 0, 0);
    QVERIFY(text.contains(QStringLiteral(" +  3.00000E+00")));
    // Degree 2: the squared term is followed by two blanks before the sign.
    QVERIFY(EquationText(2, 2.0f, 3.0f, 1.0f, 0).contains(QStringLiteral("X^2  + ")));
    QVERIFY(!EquationText(3, 2.0f, 3.0f, 1.0f, 1.0f).contains(QStringLiteral("X^2  ")));
}

void TestKKAIKI::screening_data() {
    QTest::addColumn<QStringList>("xs");
    QTest::addColumn<QStringList>("ys");
    QTest::addColumn<QList<int>>("expected");
    const QStringList positive = {"1.5", "2.25", "3.125", "4.5"};
    const QStringList ys = {"2.385", "3.5", "5.75", "7.125"};
    QTest::newRow("all positive") << positive << ys << allDegreesOf({1, 2, 3, 4, 5, 6, 7});
    QTest::newRow("X = 0") << QStringList{"0", "2.25", "3.125", "4.5"} << ys << allDegreesOf({1, 3, 6});
    QTest::newRow("X < 0 keeps 1/X") << QStringList{"-1.5", "2.25", "3.125", "4.5"} << ys
                                     << allDegreesOf({1, 3, 5, 6, 7});
    QTest::newRow("Y = 0") << positive << QStringList{"2.385", "0", "5.75", "7.125"}
                           << allDegreesOf({1, 2, 5});
    QTest::newRow("Y < 0") << positive << QStringList{"2.385", "-3.5", "5.75", "7.125"}
                           << allDegreesOf({1, 2, 5, 6, 7});
    QTest::newRow("X = 0 and Y < 0") << QStringList{"0", "2.25", "3.125", "4.5"}
                                     << QStringList{"2.385", "-3.5", "5.75", "7.125"} << allDegreesOf({1, 6});
}

void TestKKAIKI::screening() {
    QFETCH(QStringList, xs);
    QFETCH(QStringList, ys);
    QFETCH(QList<int>, expected);
    std::vector<std::pair<QString, QString>> points;
    for (qsizetype i = 0; i < xs.size(); ++i)
        points.emplace_back(xs[i], ys[i]);
    CandidateTable table;
    FitAllCandidates(inputOf(points), kAllSystems, table);
    QCOMPARE(eqNos(table), expected);
}

void TestKKAIKI::standardConditionsGiveThreeCandidates() {
    CandidateTable table;
    FitAllCandidates(inputOf({{"1", "2.385"}, {"2", "3.5"}, {"3", "5.75"}, {"4", "7.125"}, {"5", "6.5"}}),
                     onlySystems({1}), table);
    QCOMPARE(eqNos(table), (QList<int>{1, 2, 3}));
    for (int k = 1; k <= 3; ++k) {
        const FitCandidate& c = table.Candidates[static_cast<size_t>(k)];
        QVERIFY(!c.EquationText.isEmpty());
        QVERIFY(c.ProgramText.startsWith(QStringLiteral("Y1! = ")));
        QCOMPARE(c.ErrorValue, QLocale::c().toDouble(c.ErrorText.trimmed()));
    }
    // Coefficients beyond the degree are 0.
    QCOMPARE(table.Candidates[1].C3, 0.0f);
    QCOMPARE(table.Candidates[1].C4, 0.0f);
    QCOMPARE(table.Candidates[2].C4, 0.0f);
}

void TestKKAIKI::exactLineHasZeroError() {
    CandidateTable table;
    FitAllCandidates(inputOf({{"1", "3"}, {"2", "5"}, {"3", "7"}, {"4", "9"}}), onlySystems({1}), table);
    const FitCandidate& line = candidate(table, 1);
    QVERIFY(std::fabs(line.C1 - 2.0f) < 1e-5f);
    QVERIFY(std::fabs(line.C2 - 1.0f) < 1e-5f);
    QVERIFY(line.ErrorValue < 1e-12);
    QVERIFY(line.ErrorText.endsWith(QStringLiteral("E-50")) || line.ErrorValue < 1e-12);
}

void TestKKAIKI::measuredZeroUsesPredictedValue() {
    // y = 1.5 x - 5/3 through (1, 0), (2, 1), (3, 3): the point with Y = 0 is
    // measured against P(1) = -1/6, so its relative deviation is 1.
    CandidateTable table;
    FitAllCandidates(inputOf({{"1", "0"}, {"2", "1"}, {"3", "3"}}), onlySystems({1}), table);
    const FitCandidate& line = candidate(table, 1);
    const double expected = (1.0 + 1.0 / 3.0 + 1.0 / 18.0) / 3.0; // 25/54
    QVERIFY2(std::fabs(line.ErrorValue - expected) < 2e-5, qPrintable(line.ErrorText));
    QCOMPARE(line.ErrorText, QStringLiteral(" 4.62962E-01"));
}

void TestKKAIKI::predictedZeroDividesByTinyValue() {
    // y = x through the origin: at X = 0 both measured and predicted Y are 0,
    // so the divisor 1e-30 applies; the deviation is 0 and so is the error.
    CandidateTable table;
    FitAllCandidates(inputOf({{"0", "0"}, {"1", "1"}, {"2", "2"}}), onlySystems({1}), table);
    QVERIFY(std::isfinite(candidate(table, 1).ErrorValue));
    QVERIFY(candidate(table, 1).ErrorValue < 1e-6);
}

void TestKKAIKI::measuredOneInLogSystemsUsesExpOfPrediction_data() {
    QTest::addColumn<int>("system");
    QTest::newRow("X - Ln(Y)") << 3;
    QTest::newRow("Ln(X) - Ln(Y)") << 4;
}

void TestKKAIKI::measuredOneInLogSystemsUsesExpOfPrediction() {
    QFETCH(int, system);
    // ln Y = 0, 1, 3 against t = 0, 1, 2 (t = X or ln X): p(t) = 1.5 t - 1/6.
    const double e = std::exp(1.0);
    const QStringList xs =
        system == 3 ? QStringList{"0", "1", "2"}
                    : QStringList{"1", QString::number(e, 'g', 17), QString::number(e * e, 'g', 17)};
    const QStringList ys = {"1", QString::number(e, 'g', 17), QString::number(std::exp(3.0), 'g', 17)};
    CandidateTable table;
    FitAllCandidates(inputOf({{xs[0], ys[0]}, {xs[1], ys[1]}, {xs[2], ys[2]}}), onlySystems({system}), table);
    const FitCandidate& c = candidate(table, eqNoOf(system, 1));
    auto p = [](double t) { return 1.5 * t - 1.0 / 6.0; };
    const double p0 = std::exp(p(0)), p1 = std::exp(p(1)), p2 = std::exp(p(2));
    // Point 1 (Y = 1): reference exp(P); the others: the measured Y.
    const double expected = (std::fabs((p0 - 1) / std::exp(p0)) + std::fabs((p1 - e) / e) +
                             std::fabs((p2 - std::exp(3.0)) / std::exp(3.0))) /
                            3;
    QVERIFY2(std::fabs(c.ErrorValue - expected) < 1e-5, qPrintable(c.ErrorText));
    QVERIFY(std::fabs(double(c.C1) - 1.5) < 1e-5);
}

void TestKKAIKI::singularCubicDoesNotStop() {
    CandidateTable table;
    FitAllCandidates(inputOf({{"1", "2.385"}, {"2", "3.5"}, {"3", "5.75"}}), kAllSystems, table);
    QCOMPARE(table.CandidateCount, 21);
    const FitCandidate& cubic = candidate(table, 3);
    QVERIFY(!cubic.ErrorText.isEmpty());
    QVERIFY(cubic.ErrorValue >= 0);
    // The quadratic through three points is exact.
    QVERIFY(candidate(table, 2).ErrorValue < 1e-5);
}

void TestKKAIKI::faultedCandidateIsNotRecorded_data() {
    QTest::addColumn<int>("system");
    QTest::addColumn<QStringList>("xs");
    QTest::newRow("X - Ln(Y)") << 3 << QStringList{"0", "1", "2"};
    QTest::newRow("Ln(X) - Ln(Y)") << 4 << QStringList{"1", "2.718281828", "7.389056099"};
}

void TestKKAIKI::faultedCandidateIsNotRecorded() {
    QFETCH(int, system);
    QFETCH(QStringList, xs);
    // ln Y = 0, 66.8, 66.8 at t = 0, 1, 2: the straight line predicts
    // P = exp(11.1) at the point Y = 1, whose reference exp(P) overflows (a
    // relative deviation of 0 there would flatter the candidate). The
    // candidate is left out; the exact quadratic is kept.
    CandidateTable table;
    FitAllCandidates(inputOf({{xs[0], "1"}, {xs[1], "1E29"}, {xs[2], "1E29"}}), onlySystems({system}), table);
    QVERIFY(!eqNos(table).contains(eqNoOf(system, 1)));
    QVERIFY(eqNos(table).contains(eqNoOf(system, 2)));
    for (int k = 1; k <= table.CandidateCount; ++k) {
        const FitCandidate& c = table.Candidates[static_cast<size_t>(k)];
        QVERIFY2(std::isfinite(c.ErrorValue) && c.ErrorValue >= 0, qPrintable(c.ErrorText));
        QVERIFY(!c.ErrorText.contains(QStringLiteral("INF")) && !c.ErrorText.contains(QStringLiteral("NaN")));
    }
}

void TestKKAIKI::negligibleSubnormalCoefficientIsKept() {
    // Y proportional to X at 1e-24: the intercept is rounding noise far below
    // the single range, which costs the stored line nothing.
    std::vector<std::pair<QString, QString>> points;
    for (const double x : {1.1, 2.3, 3.7, 4.9, 6.2, 7.35})
        points.emplace_back(QString::number(x), QString::number(2.385e-24 * x, 'g', 7));
    CandidateTable table;
    FitAllCandidates(inputOf(points), onlySystems({1}), table);
    QVERIFY(eqNos(table).contains(1));
    QVERIFY(candidate(table, 1).ErrorValue < 1e-6);
}

void TestKKAIKI::solverSolvesWithPivoting() {
    // 2x + y - z = 8; -3x - y + 2z = -11; -2x + y + 2z = -3  ->  (2, 3, -1)
    double a[10] = {0, 2, 1, -1, -3, -1, 2, -2, 1, 2};
    double b[4] = {0, 8, -11, -3};
    SolveLinearSystem(3, a, b);
    QVERIFY(std::fabs(b[1] - 2) < 1e-12);
    QVERIFY(std::fabs(b[2] - 3) < 1e-12);
    QVERIFY(std::fabs(b[3] + 1) < 1e-12);
    // A zero first pivot needs the row exchange.
    double a2[5] = {0, 0, 1, 1, 0};
    double b2[3] = {0, 4, 7};
    SolveLinearSystem(2, a2, b2);
    QCOMPARE(b2[1], 7.0);
    QCOMPARE(b2[2], 4.0);
}

void TestKKAIKI::solverStopsOnZeroPivot() {
    double zero[5] = {0, 0, 0, 0, 0};
    double b[3] = {0, 5, 7};
    SolveLinearSystem(2, zero, b);
    QCOMPARE(b[1], 5.0);
    QCOMPARE(b[2], 7.0);
    // Rank one: column 2 is eliminated to 0, the solver stops before the back
    // substitution and leaves b as far as it got.
    double a[5] = {0, 1, 1, 1, 1};
    double b2[3] = {0, 2, 3};
    SolveLinearSystem(2, a, b2);
    QCOMPARE(b2[1], 2.0);
    QCOMPARE(b2[2], 1.0);
}

void TestKKAIKI::preparedRangeMatchesTextInput() {
    const double xs[] = {0.5, 1.25, 2.0, 2.75, 3.5, 4.25, 5.0};
    const double ys[] = {1.2, 1.9, 3.1, 4.4, 4.2, 6.3, 8.8};
    PreparedPoints prepared;
    prepared.assign(xs, ys, 7);
    CandidateTable fromRange;
    fitPreparedRange(prepared, 2, 4, kAllSystems, fromRange, true);
    std::vector<std::pair<QString, QString>> points;
    for (int i = 2; i < 6; ++i)
        points.emplace_back(QString::number(xs[i]), QString::number(ys[i]));
    CandidateTable fromText;
    FitAllCandidates(inputOf(points), kAllSystems, fromText);
    QCOMPARE(fromRange.CandidateCount, fromText.CandidateCount);
    for (int k = 1; k <= fromText.CandidateCount; ++k) {
        const auto& a = fromRange.Candidates[static_cast<size_t>(k)];
        const auto& b = fromText.Candidates[static_cast<size_t>(k)];
        QCOMPARE(a.EqNo, b.EqNo);
        QCOMPARE(a.ErrorText, b.ErrorText);
        QCOMPARE(a.ProgramText, b.ProgramText);
    }
}

QTEST_GUILESS_MAIN(TestKKAIKI)
#include "tst_kkaiki.moc"
