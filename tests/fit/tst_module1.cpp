// The fitting driver: sorting and write-back, the whole-range fit, the two-
// and three-section searches, the store, the abort and the trace.

#include "FitTestData.h"
#include "fit/FitTraceLines.h"
#include "fit/KKAIKI.h"
#include "fit/Module1.h"

#include <QRegularExpression>
#include <QtTest>

using namespace tracol;
using namespace tracol::fittest;

namespace {

size_t at(int i) {
    return static_cast<size_t>(i);
}

// (first, last) point of every section result line of List1, in order.
QList<QPair<int, int>> sectionFits(const QStringList& list1) {
    static const QRegularExpression re(QStringLiteral("from +(\\d+) to +(\\d+) +EQ No="));
    QList<QPair<int, int>> out;
    for (const QString& line : list1) {
        const auto match = re.match(line);
        if (match.hasMatch())
            out.append({match.captured(1).toInt(), match.captured(2).toInt()});
    }
    return out;
}

// Combined errors of the deviation lines of List1.
QList<float> deviations(const QStringList& list1) {
    static const QRegularExpression re(QStringLiteral("^  Deviation <<< +(\\S+)  Gr="));
    QList<float> out;
    for (const QString& line : list1) {
        const auto match = re.match(line);
        if (match.hasMatch())
            out.append(match.captured(1).toFloat());
    }
    return out;
}

} // namespace

class TestModule1 : public QObject {
    Q_OBJECT
  private slots:
    void sortsAndWritesBackSingleTexts();
    void emptyYTextComesBackAsZero();
    void lineWithoutPointsDoesNotStop();
    void lineAtCutoffIsStoredWithOneSection();
    void fourPointLineIsNeverSplit();
    void zeroDivisionsStoreTheWholeRange();
    void tenPointsTwoDivisionsKeepLastTrial();
    void twoSectionTrialReachingCutoffFinishesLine();
    void fourteenPointsGoToThreeSections();
    void sectionsShareOnlyTheBoundaryPoint_data();
    void sectionsShareOnlyTheBoundaryPoint();
    void threeSectionRunsNeverPastLastPoint_data();
    void threeSectionRunsNeverPastLastPoint();
    void threeSectionTrialCapStopsSearches();
    void abortStopsAfterCurrentTrial();
    void abortDuringRegressionFinishesTrial();
    void noCandidateGivesEqNoZero();
    void extremesAndRelationLines();
    void traceCanBeSkipped();
    void progressBar();
    void combinedError_data();
    void combinedError();
    void bestCandidateKeepsTheEarlierOnTies();
    void staleAbortRequestIsCleared();
    void minimumSizeAndStep_data();
    void minimumSizeAndStep();
};

void TestModule1::sortsAndWritesBackSingleTexts() {
    SharedState s;
    standardConditions(s);
    addLine(s, 1, {{"3", "9.000001"}, {"1", "1"}, {"2", "4"}, {"2", "4.5"}, {"0.1234567891", "0.5"}}, "1");
    QVERIFY(Module1::RunComputation(s));
    const auto& x = s.PointXText[1];
    const auto& y = s.PointYText[1];
    QCOMPARE(x[1], QStringLiteral(".1234568"));
    QCOMPARE(y[1], QStringLiteral(".5"));
    QCOMPARE(x[2], QStringLiteral("1"));
    QCOMPARE(x[3], QStringLiteral("2"));
    QCOMPARE(x[4], QStringLiteral("2"));
    QCOMPARE(QSet<QString>({y[3], y[4]}), QSet<QString>({"4", "4.5"})); // both kept
    QCOMPARE(x[5], QStringLiteral("3"));
    QCOMPARE(y[5], QStringLiteral("9.000001"));
}

void TestModule1::emptyYTextComesBackAsZero() {
    SharedState s;
    standardConditions(s);
    addLine(s, 1, {{"1", "2"}, {"2", " "}, {"3", "6"}}, "1");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(s.PointYText[1][2], QStringLiteral("0"));
    QCOMPARE(int(s.FitResult.SectionPointCount[1][1]), 3);
    QCOMPARE(s.List1.at(1), QStringLiteral(" 2< 2,0 >"));
}

void TestModule1::lineWithoutPointsDoesNotStop() {
    SharedState s;
    standardConditions(s);
    addLine(s, 1, {}, "1");
    addLine(s, 2, sampled(5, 1, 1, [](double x) { return x * x; }), "2");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(int(s.FitResult.SectionCount[1]), 1);
    QCOMPARE(int(s.FitResult.SectionEqNo[1][1]), 0);
    QCOMPARE(int(s.FitResult.SectionCount[2]), 1);
    const int eqNo = s.FitResult.SectionEqNo[1][2];
    QVERIFY2(eqNo == 2 || eqNo == 3, qPrintable(QString::number(eqNo))); // the parabola is met exactly
    QCOMPARE(s.List4.last(), QString());
}

void TestModule1::lineAtCutoffIsStoredWithOneSection() {
    SharedState s;
    standardConditions(s);
    addLine(s, 1, sampled(12, 1, 1, [](double x) { return 2.5 * x + 1.25; }), "10");
    QVERIFY(Module1::RunComputation(s));
    const FitResultStore& r = s.FitResult;
    QCOMPARE(int(r.SectionCount[1]), 1);
    QCOMPARE(int(r.SectionFirstPoint[1][1]), 1);
    QCOMPARE(int(r.SectionLastPoint[1][1]), 12);
    QCOMPARE(int(r.SectionPointCount[1][1]), 12);
    QCOMPARE(int(r.SectionEqNo[1][1]), 1);
    QVERIFY(std::fabs(r.SectionC1[1][1] - 2.5f) < 1e-5f);
    QCOMPARE(r.SectionC3[1][1], 0.0f);
    QCOMPARE(s.FitCount, 1);
    QVERIFY(sectionFits(s.List1).isEmpty());
    QCOMPARE(deviations(s.List1).size(), 1);
    QCOMPARE(s.List1.size(), 12 + 1 + 1 + 1 + 1); // points, C line, result, deviation, dashes
    QCOMPARE(s.List1.last(), QString(78, u'-'));
    QCOMPARE(s.RelationProgramLines.size(), 1);
    QVERIFY(s.RelationProgramLines[0].startsWith(QStringLiteral("Y(1)=  2.50000E+00* X1!")));
}

void TestModule1::fourPointLineIsNeverSplit() {
    SharedState s;
    standardConditions(s);
    s.ExcludedSystems = {0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0}; // no system: error 1e6
    addLine(s, 1, sampled(4, 1, 1, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(int(s.FitResult.SectionCount[1]), 1);
    QCOMPARE(int(s.FitResult.SectionEqNo[1][1]), 0);
    QCOMPARE(s.FitResult.SectionError[1][1], 1e6f);
    QCOMPARE(s.FitCount, 1);
}

void TestModule1::zeroDivisionsStoreTheWholeRange() {
    // MaxDivisions 0 would fit a Line and store nothing; it counts as 1.
    SharedState s;
    standardConditions(s);
    s.MaxDivisions = 0;
    s.CutoffError = 1e-9f;
    s.FitResult.SectionCount[1] = 3; // from an earlier computation
    addLine(s, 1, sampled(20, 1, 0.5, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(int(s.FitResult.SectionCount[1]), 1);
    QCOMPARE(int(s.FitResult.SectionLastPoint[1][1]), 20);
    QCOMPARE(s.FitCount, 1);
}

void TestModule1::tenPointsTwoDivisionsKeepLastTrial() {
    SharedState s;
    standardConditions(s);
    s.MaxDivisions = 2;
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(10, 1, 1, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    const QList<QPair<int, int>> expected = {{1, 3},  {3, 10}, {1, 4},  {4, 10}, {1, 5},
                                             {5, 10}, {1, 6},  {6, 10}, {1, 7},  {7, 10}};
    QCOMPARE(sectionFits(s.List1), expected);
    QCOMPARE(s.FitCount, 6);
    const FitResultStore& r = s.FitResult;
    QCOMPARE(int(r.SectionCount[1]), 2);
    QCOMPARE(int(r.SectionLastPoint[1][1]), 7);
    QCOMPARE(int(r.SectionFirstPoint[2][1]), 7);
    QCOMPARE(int(r.SectionPointCount[1][1]), 7);
    QCOMPARE(int(r.SectionPointCount[2][1]), 4);
    // The last trial stands: its combined error (raised to section 2's error
    // when smaller) is the last stored combined error.
    const float lastDeviation = deviations(s.List1).last();
    QCOMPARE(r.LastCombinedError, std::max(lastDeviation, r.SectionError[2][1]));
}

void TestModule1::twoSectionTrialReachingCutoffFinishesLine() {
    // A straight piece up to X = 6, then a cubic: the second trial (split at
    // point 6) fits both sections exactly and ends the search for the Line.
    SharedState s;
    standardConditions(s);
    addLine(s, 1,
            sampled(16, 1, 1,
                    [](double x) { return x <= 6 ? 2 * x + 1 : 13 + 0.5 * (x - 6) * (x - 6) * (x - 6); }),
            "1");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(sectionFits(s.List1), (QList<QPair<int, int>>{{1, 5}, {5, 16}, {1, 6}, {6, 16}}));
    QCOMPARE(s.FitCount, 3);
    QCOMPARE(int(s.FitResult.SectionCount[1]), 2);
    QCOMPARE(int(s.FitResult.SectionLastPoint[1][1]), 6);
    QCOMPARE(int(s.FitResult.SectionEqNo[1][1]), 1);
    QCOMPARE(int(s.FitResult.SectionEqNo[2][1]), 3);
    QVERIFY(s.FitResult.LastCombinedError <= s.CutoffError);
}

void TestModule1::fourteenPointsGoToThreeSections() {
    SharedState s;
    standardConditions(s);
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(14, 0.5, 0.75, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    const FitResultStore& r = s.FitResult;
    QCOMPARE(int(r.SectionCount[1]), 3);
    // m = 5, step 1: split points from the 5th point to the 5th from the end
    // (point 10): six two-section trials with 5..10 points in section 1.
    const QList<QPair<int, int>> fits = sectionFits(s.List1);
    QCOMPARE(fits.mid(0, 2), (QList<QPair<int, int>>{{1, 5}, {5, 14}}));
    const int twoSectionTrials = 6;
    QCOMPARE(fits.mid(2 * twoSectionTrials - 2, 2), (QList<QPair<int, int>>{{1, 10}, {10, 14}}));
    // Three-section: section 1 of 5 points, then sections 2 and 3 from its end.
    QCOMPARE(fits.mid(2 * twoSectionTrials, 3), (QList<QPair<int, int>>{{1, 5}, {5, 9}, {9, 14}}));
    // The stored result is the first three-section trial with the smallest error.
    const QList<float> all = deviations(s.List1);
    const QList<float> threeSection = all.mid(1 + twoSectionTrials);
    QVERIFY(!threeSection.isEmpty());
    const float smallest = *std::min_element(threeSection.begin(), threeSection.end());
    QCOMPARE(r.ThreeSectionError[1], smallest);
    QCOMPARE(r.LastCombinedError, smallest);
    QCOMPARE(s.FitCount, 1 + all.size() - 1);
    QCOMPARE(int(r.SectionPointCount[1][1] + r.SectionPointCount[2][1] + r.SectionPointCount[3][1]), 14 + 2);
}

void TestModule1::sectionsShareOnlyTheBoundaryPoint_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("mode");
    QTest::newRow("30 points mode 0") << 30 << 0;
    QTest::newRow("45 points mode 1") << 45 << 1;
    QTest::newRow("60 points mode 2") << 60 << 2;
}

void TestModule1::sectionsShareOnlyTheBoundaryPoint() {
    QFETCH(int, points);
    QFETCH(int, mode);
    SharedState s;
    standardConditions(s);
    s.ErrorMode = static_cast<qint16>(mode);
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(points, 0.25, 10.0 / points, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    const FitResultStore& r = s.FitResult;
    const int sections = r.SectionCount[1];
    QCOMPARE(sections, 3);
    QCOMPARE(int(r.SectionFirstPoint[1][1]), 1);
    QCOMPARE(int(r.SectionLastPoint[at(sections)][1]), points);
    int total = 0;
    for (int sct = 1; sct <= sections; ++sct) {
        total += r.SectionPointCount[at(sct)][1];
        QCOMPARE(int(r.SectionPointCount[at(sct)][1]),
                 r.SectionLastPoint[at(sct)][1] - r.SectionFirstPoint[at(sct)][1] + 1);
        if (sct < sections)
            QCOMPARE(r.SectionLastPoint[at(sct)][1], r.SectionFirstPoint[at(sct + 1)][1]);
        QCOMPARE(r.SectionProgramText[at(sct)][1],
                 KKAIKI::ProgramText(r.SectionEqNo[at(sct)][1], r.SectionC1[at(sct)][1],
                                     r.SectionC2[at(sct)][1], r.SectionC3[at(sct)][1],
                                     r.SectionC4[at(sct)][1]));
    }
    QCOMPARE(total, points + sections - 1);
}

void TestModule1::threeSectionRunsNeverPastLastPoint_data() {
    QTest::addColumn<int>("points");
    for (int n : {89, 90, 91, 94, 95, 99, 100})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestModule1::threeSectionRunsNeverPastLastPoint() {
    QFETCH(int, points);
    SharedState s;
    standardConditions(s);
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(points, 0.1, 10.0 / points, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    for (const auto& fit : sectionFits(s.List1)) {
        QVERIFY(fit.first >= 1);
        QVERIFY(fit.second <= points);
        QVERIFY(fit.first <= fit.second);
    }
    QCOMPARE(int(s.FitResult.SectionCount[1]), 3);
}

void TestModule1::threeSectionTrialCapStopsSearches() {
    SharedState s;
    standardConditions(s);
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(30, 0.25, 0.33, wiggle), "1");
    addLine(s, 2, sampled(30, 0.25, 0.33, wiggle), "2");
    Module1::Hooks hooks;
    hooks.threeSectionTrialCap = 4;
    QVERIFY(Module1::RunComputation(s, hooks));
    // Line 1 stops after its fifth trial; Line 2 tries one trial and stops.
    QCOMPARE(s.ThreeSectionTrialCount, 6);
    QCOMPARE(int(s.FitResult.SectionCount[2]), 3);
}

void TestModule1::abortStopsAfterCurrentTrial() {
    SharedState s;
    standardConditions(s);
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(20, 1, 0.5, wiggle), "1");
    addLine(s, 2, sampled(20, 1, 0.5, wiggle), "2");
    Module1::Hooks hooks;
    hooks.progress = [&s](qint32 count) {
        if (count == 3)
            s.AbortRequested = true;
    };
    QVERIFY(!Module1::RunComputation(s, hooks));
    QCOMPARE(s.FitCount, 3);
    QCOMPARE(deviations(s.List1).size(), 3);
    QCOMPARE(s.List1.last(), QString(78, u'-'));
    QVERIFY(s.List4.isEmpty());
    QVERIFY(s.List3.isEmpty());
    QVERIFY(!s.ComputationCompleted);
    QCOMPARE(int(s.FitResult.SectionCount[2]), 0); // Line 2 never computed
}

void TestModule1::abortDuringRegressionFinishesTrial() {
    SharedState s;
    standardConditions(s);
    s.CutoffError = 1e-9f;
    addLine(s, 1, sampled(20, 1, 0.5, wiggle), "1");
    Module1::Hooks hooks;
    int yields = 0;
    // Yield 1: whole range; 2 and 3: first trial; 4: after it; 5: section 1 of trial 2.
    hooks.yield = [&]() {
        if (++yields == 5)
            s.AbortRequested = true;
    };
    QVERIFY(!Module1::RunComputation(s, hooks));
    QCOMPARE(s.FitCount, 3);
    QCOMPARE(sectionFits(s.List1).size(), 4);
    QCOMPARE(yields, 7);
}

void TestModule1::noCandidateGivesEqNoZero() {
    SharedState s;
    standardConditions(s);
    s.ExcludedSystems = {0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    s.MaxDivisions = 2;
    addLine(s, 1, sampled(8, 1, 1, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(int(s.FitResult.SectionCount[1]), 2);
    QCOMPARE(int(s.FitResult.SectionEqNo[1][1]), 0);
    QCOMPARE(s.FitResult.SectionError[2][1], 1e6f);
    QCOMPARE(s.FitResult.SectionProgramText[1][1], QString());
    QVERIFY(s.List1.contains(QStringLiteral("C1= 0  C2= 0  C3= 0  C4= 0")));
    QCOMPARE(s.RelationProgramLines, (QStringList{"Y(1)=", "Y(1)="}));
}

void TestModule1::extremesAndRelationLines() {
    SharedState s;
    standardConditions(s);
    addLine(s, 2, sampled(6, 2, 1, [](double x) { return 3 * x - 1; }), "B");
    addLine(s, 1, sampled(5, -1, 0.5, [](double x) { return 0.5 * x + 4; }), "A");
    QVERIFY(Module1::RunComputation(s));
    QCOMPARE(s.LineXMin[1], 2.0f);
    QCOMPARE(s.LineXMax[1], 7.0f);
    QCOMPARE(s.LineYMax[1], 20.0f);
    QCOMPARE(s.LineXMin[2], -1.0f);
    QCOMPARE(s.LineYMin[2], 3.5f);
    QCOMPARE(s.OverallXMin, -1.0f);
    QCOMPARE(s.OverallXMax, 7.0f);
    QCOMPARE(s.OverallYMin, 3.5f);
    QCOMPARE(s.OverallYMax, 20.0f);
    QCOMPARE(s.PlotDefaultXMin, -1.0f);
    QCOMPARE(s.RelationProgramLines.size(), 2);
    QVERIFY(s.RelationProgramLines[0].startsWith(QStringLiteral("Y(1)=  3.00000E+00* X1! - 1.00000E+00")));
    QVERIFY(s.RelationProgramLines[1].startsWith(QStringLiteral("Y(2)=  5.00000E-01* X1! +  4.00000E+00")));
    QCOMPARE(s.EquationStatusCode[21], QStringLiteral("422"));
}

void TestModule1::traceCanBeSkipped() {
    SharedState withTrace;
    standardConditions(withTrace);
    withTrace.CutoffError = 1e-9f;
    addLine(withTrace, 1, sampled(25, 1, 0.4, wiggle), "1");
    SharedState without = withTrace;
    QVERIFY(Module1::RunComputation(withTrace));
    Module1::Hooks hooks;
    hooks.buildTrace = false;
    QVERIFY(Module1::RunComputation(without, hooks));
    QVERIFY(without.List1.isEmpty());
    QVERIFY(!withTrace.List1.isEmpty());
    QCOMPARE(without.List3, withTrace.List3);
    QCOMPARE(without.List4, withTrace.List4);
    QCOMPARE(without.FitCount, withTrace.FitCount);
}

void TestModule1::combinedError_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<float>>("errors");
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<float>("expected");
    QTest::newRow("mode 0 two") << 0 << QList<float>{0.25f, 0.5f} << QList<int>{3, 9} << 0.5f;
    QTest::newRow("mode 0 three") << 0 << QList<float>{0.75f, 0.5f, 0.25f} << QList<int>{3, 9, 4} << 0.75f;
    QTest::newRow("mode 1 two") << 1 << QList<float>{0.25f, 0.5f} << QList<int>{3, 9} << 0.4375f;
    QTest::newRow("mode 2 two is the mean") << 2 << QList<float>{0.25f, 0.5f} << QList<int>{3, 9} << 0.4375f;
    QTest::newRow("mode 1 three") << 1 << QList<float>{0.5f, 0.25f, 1.0f} << QList<int>{2, 4, 2} << 0.5f;
    // Largest 1.0 (n 2) with the larger of 0.5 (n 2) and 0.25 (n 4).
    QTest::newRow("mode 2 three") << 2 << QList<float>{0.5f, 0.25f, 1.0f} << QList<int>{2, 4, 2} << 0.75f;
    // Equal largest errors: the first is "the largest", the second the larger of the rest.
    QTest::newRow("mode 2 tie on largest")
        << 2 << QList<float>{1.0f, 1.0f, 0.5f} << QList<int>{2, 6, 8} << 1.0f;
    // Equal smaller errors: the earlier section's points count.
    QTest::newRow("mode 2 tie on others")
        << 2 << QList<float>{0.5f, 1.0f, 0.5f} << QList<int>{6, 2, 2} << 0.625f;
}

void TestModule1::combinedError() {
    QFETCH(int, mode);
    QFETCH(QList<float>, errors);
    QFETCH(QList<int>, points);
    QFETCH(float, expected);
    QCOMPARE(Module1::combinedError(mode, errors.constData(), points.constData(), int(errors.size())),
             expected);
}

void TestModule1::bestCandidateKeepsTheEarlierOnTies() {
    KKAIKI::CandidateTable table;
    QCOMPARE(Module1::bestCandidate(table), 0);
    const QList<double> errors = {0.5, 0.25, 0.25, double(INFINITY), 0.3};
    table.CandidateCount = int(errors.size());
    for (int k = 1; k <= table.CandidateCount; ++k)
        table.Candidates[at(k)].ErrorValue = errors[k - 1];
    QCOMPARE(Module1::bestCandidate(table), 2);
    // Nothing below the start value 1e6: no equation.
    table.CandidateCount = 1;
    table.Candidates[1].ErrorValue = 1e6;
    QCOMPARE(Module1::bestCandidate(table), 0);
    table.Candidates[1].ErrorValue = double(INFINITY);
    QCOMPARE(Module1::bestCandidate(table), 0);
}

void TestModule1::progressBar() {
    QCOMPARE(Module1::progressBarLength(0, 100), 0);
    QCOMPARE(Module1::progressBarLength(100, 100), 26); // 25.875
    QCOMPARE(Module1::progressBarLength(50, 100), 13);  // 12.9375
    QCOMPARE(Module1::progressBarLength(10, 0), 0);
}

void TestModule1::staleAbortRequestIsCleared() {
    SharedState s;
    standardConditions(s);
    s.CutoffError = 1e-9f;
    s.AbortRequested = true;
    addLine(s, 1, sampled(12, 1, 1, wiggle), "1");
    QVERIFY(Module1::RunComputation(s));
    QVERIFY(!s.List4.isEmpty());
}

void TestModule1::minimumSizeAndStep_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("step");
    QTest::newRow("10") << 10 << 3 << 1;
    QTest::newRow("11") << 11 << 5 << 1;
    QTest::newRow("19") << 19 << 5 << 1;
    QTest::newRow("20") << 20 << 6 << 1;
    QTest::newRow("29") << 29 << 6 << 1;
    QTest::newRow("30") << 30 << 7 << 1;
    QTest::newRow("31") << 31 << 7 << 2;
    QTest::newRow("52") << 52 << 7 << 2;
    QTest::newRow("53") << 53 << 7 << 3;
    QTest::newRow("70") << 70 << 7 << 3;
    QTest::newRow("71") << 71 << 7 << 4;
    QTest::newRow("85") << 85 << 7 << 4;
    QTest::newRow("86") << 86 << 7 << 5;
    QTest::newRow("100") << 100 << 7 << 5;
}

void TestModule1::minimumSizeAndStep() {
    QFETCH(int, n);
    QFETCH(int, m);
    QFETCH(int, step);
    QCOMPARE(Module1::minimumSectionSize(n), m);
    QCOMPARE(Module1::searchStep(n), step);
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"
