// The computation screen's lists, character for character: the List1 trace
// lines, the List2 details, the List3 relation lines and the List4 reports.

#include "FitTestData.h"
#include "fit/FitTraceLines.h"
#include "fit/KKAIKI.h"
#include "fit/Module1.h"

#include <QtTest>

using namespace tracol;
using namespace tracol::fittest;
using namespace tracol::Module1;

namespace {

size_t at(int i) {
    return static_cast<size_t>(i);
}

struct StoredSection {
    int first, last, eqNo;
    float error;
    float c1, c2, c3, c4;
};

// A stored result for Line `line` as the driver leaves it.
void storeResult(SharedState& s, int line, const std::vector<StoredSection>& sections) {
    FitResultStore& r = s.FitResult;
    r.SectionCount[at(line)] = static_cast<qint16>(sections.size());
    for (size_t i = 0; i < sections.size(); ++i) {
        const StoredSection& f = sections[i];
        const size_t sct = i + 1;
        r.SectionFirstPoint[sct][at(line)] = static_cast<qint16>(f.first);
        r.SectionLastPoint[sct][at(line)] = static_cast<qint16>(f.last);
        r.SectionPointCount[sct][at(line)] = static_cast<qint16>(f.last - f.first + 1);
        r.SectionEqNo[sct][at(line)] = static_cast<qint16>(f.eqNo);
        r.SectionError[sct][at(line)] = f.error;
        r.SectionC1[sct][at(line)] = f.c1;
        r.SectionC2[sct][at(line)] = f.c2;
        r.SectionC3[sct][at(line)] = f.c3;
        r.SectionC4[sct][at(line)] = f.c4;
        r.SectionProgramText[sct][at(line)] = KKAIKI::ProgramText(f.eqNo, f.c1, f.c2, f.c3, f.c4);
    }
}

// Line 1 (parameter " 2.5") with points X = 1 .. 8, two sections split at X 3.5.
SharedState oneLineTwoSections() {
    SharedState s;
    standardConditions(s);
    addLine(
        s, 1,
        {{"1", "3"}, {"2", "5"}, {"3.5", "8"}, {"4", "7"}, {"5", "9"}, {"6", "8"}, {"7", "6"}, {"8", "4"}},
        " 2.5");
    storeResult(s, 1, {{1, 3, 1, 0.0123f, 2.5f, 0.5f, 0, 0}, {3, 8, 2, 1.5e-4f, -0.5f, 4.25f, -2.125f, 0}});
    s.FitResult.LastCombinedError = 0.0123f;
    s.OverallXMin = 1;
    s.OverallXMax = 8;
    for (int sct = 1; sct <= 2; ++sct) {
        const QString& program = s.FitResult.SectionProgramText[at(sct)][1];
        s.RelationProgramLines.append(QStringLiteral("Y(1)=") + program.mid(program.indexOf(u'=') + 1));
    }
    return s;
}

} // namespace

class TestFitReports : public QObject {
    Q_OBJECT
  private slots:
    void traceLines_data();
    void traceLines();
    void detailList();
    void detailListThreeSectionsAndModeZero();
    void relationLines();
    void singleLineReport();
    void multiLineReport();
    void excludingSystemsChangesOnlyTheSystemLines();
    void computationUsesTheRightReport();
    void parameterCheck_data();
    void parameterCheck();
};

void TestFitReports::traceLines_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("point 7") << trace::pointLine(7, "1.5", "2") << " 7< 1.5,2 >";
    QTest::newRow("point 100") << trace::pointLine(100, "1.5", "-2") << "00< 1.5,-2 >";
    QTest::newRow("coefficients") << trace::coefficientLine(1.5f, -2.25f, 0, 0)
                                  << "C1= 1.5  C2=-2.25  C3= 0  C4= 0";
    QTest::newRow("whole range") << trace::wholeRangeResultLine(3, 1, 1, 12, 2, 0.00125f)
                                 << "[Para: 3]  DEV    1X -  1 - 12              EQ No= 2    誤差= .00125";
    QTest::newRow("whole range 100 points")
        << trace::wholeRangeResultLine(10, 1, 1, 100, 0, 1e6f)
        << "[Para:10]  DEV    1X -  1 - 00              EQ No= 0    誤差= 1000000";
    QTest::newRow("section") << trace::sectionResultLine(10, 2, 1, 7, 21, 0.5f)
                             << "[Para:10]  DEV from   1 to   7       EQ No=21    誤差= .5";
    QTest::newRow("section to 100") << trace::sectionResultLine(2, 3, 45, 100, 13, 0.0123f)
                                    << "[Para: 2]  DEV from  45 to 100       EQ No=13    誤差= .0123";
    QTest::newRow("deviation") << trace::deviationLine(0.00076f) << "  Deviation <<<  .00076  Gr=  74.98 >>>";
    QTest::newRow("deviation of 0") << trace::deviationLine(0) << "  Deviation <<<  1E-10  Gr=  270.36 >>>";
    QTest::newRow("deviation without equation")
        << trace::deviationLine(1e6f) << "  Deviation <<<  1000000  Gr=  0 >>>";
    QTest::newRow("separator") << trace::separatorLine() << QString(78, u'-');
}

void TestFitReports::traceLines() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestFitReports::detailList() {
    SharedState s = oneLineTwoSections();
    fillDetailList(s);
    const QStringList expected = {
        "ﾃﾞｰﾀ数=3  ﾊﾟﾗﾒｰﾀ= 2.5",
        "From=1--> X1=1",
        "To  =3--> X2=3.5",
        "Eq No=1",
        "  Status=200",
        "<誤差=.0123>",
        "C1=2.5",
        "C2=.5",
        "C3=0",
        "C4=0",
        QString(24, u'-'),
        "ﾃﾞｰﾀ数=6  ﾊﾟﾗﾒｰﾀ= 2.5",
        "From=3--> X1=3.5",
        "To  =8--> X2=8",
        "Eq No=2",
        "  Status=300",
        "<誤差=.00015>",
        "C1=-.5",
        "C2=4.25",
        "C3=-2.125",
        "C4=0",
        QString(24, u'='),
        // (3 * 0.0123 + 6 * 0.00015) / 9
        "平均誤差= .0042",
        "Gr= 53.9", // Int((-12.3315 ln .0042 - 13.5774) * 100) / 100
        QString(24, u'='),
    };
    QCOMPARE(s.List2, expected);
}

void TestFitReports::detailListThreeSectionsAndModeZero() {
    SharedState s;
    standardConditions(s);
    s.ErrorMode = 0;
    addLine(s, 4, sampled(12, 1, 1, [](double x) { return x; }), "7");
    storeResult(
        s, 4, {{1, 5, 3, 0.001f, 1, 2, 3, 4}, {5, 9, 3, 0.002f, 1, 2, 3, 4}, {9, 12, 1, 0.003f, 1, 2, 0, 0}});
    s.FitResult.ThreeSectionError[4] = 0.0025f;
    fillDetailList(s);
    QCOMPARE(s.List2.size(), 3 * 10 + 2 + 4);
    QCOMPARE(s.List2.at(8), QStringLiteral("C3=3"));
    QCOMPARE(s.List2.at(9), QStringLiteral("C4=4"));
    QCOMPARE(s.List2.at(s.List2.size() - 3), QStringLiteral("最大誤差= .0025"));
}

void TestFitReports::relationLines() {
    SharedState s = oneLineTwoSections();
    s.RelationProgramLines.clear();
    appendRelationLines(s, 1);
    const QString y1 = QStringLiteral("Y(1)=  2.50000E+00* X1! +  5.00000E-01");
    const QString y2 = QStringLiteral("Y(1)= -5.00000E-01* X1!^2  + 4.25000E+00* X1! - 2.12500E+00")
                           .replace(QStringLiteral("+ 4.25"), QStringLiteral("+  4.25"));
    QCOMPARE(s.RelationProgramLines, (QStringList{y1, y2}));
    const QStringList expected = {
        QStringLiteral("ﾊﾟﾗﾒｰﾀ= 2.5    ﾃﾞｰﾀ数= 3    ") + QStringLiteral("From= 1--> X1=1") +
            QString(10, u' ') + QStringLiteral("To  = 3--> X2=3.5") + QString(8, u' '),
        y1,
        QString(108, u'-'),
        QStringLiteral("ﾊﾟﾗﾒｰﾀ= 2.5    ﾃﾞｰﾀ数= 6    ") + QStringLiteral("From= 3--> X1=3.5") +
            QString(8, u' ') + QStringLiteral("To  = 8--> X2=8") + QString(10, u' '),
        y2,
        QString(108, u'='),
    };
    QCOMPARE(s.List3, expected);
    QCOMPARE(s.List3.at(0).size(), 27 + 25 + 25);
}

void TestFitReports::singleLineReport() {
    SharedState s = oneLineTwoSections();
    SingleLineReport(s);
    const QStringList expected = {
        "１．処理条件",
        "　  　(1)計算打切り誤差： .00076  ( Gr =  74.98 )",
        " 　   (2)誤差評価方法　： 上位２式平均誤差",
        " 　   (3)最高分割数　　： 3",
        " 　   (4)非排他座標（適用座標）系　　<最高７座標系>",
        "  　                      X - Y 座標系",
        "",
        "",
        "２．関連式",
        "      Total Parameter No. = 1",
        " ",
        "  パラメータ 1 ＝ 2.5",
        "  (Eq.1)  1 ＜ Ｘ ＜3.5",
        QStringLiteral("         ") + s.RelationProgramLines[0],
        "  (Eq.2) 3.5 ＜ Ｘ ＜ 8",
        QStringLiteral("         ") + s.RelationProgramLines[1],
    };
    QCOMPARE(s.List4, expected);
}

void TestFitReports::multiLineReport() {
    SharedState s = oneLineTwoSections();
    addLine(s, 2, {{"-1.5", "2"}, {"0", "3"}, {"9.25", "4"}}, "3");
    storeResult(s, 2, {{1, 3, 1, 0.5f, 1, 2, 0, 0}});
    s.RelationProgramLines.append(QStringLiteral("Y(2)= one"));
    s.OverallXMin = -1.5f;
    s.OverallXMax = 9.25f;
    s.ErrorMode = 1;
    s.MaxDivisions = 2;
    MultiLineReport(s);
    const QStringList expected = {
        "１．処理条件",
        "　  　(1)計算打切り誤差： .00076  ( Gr =  74.98 )",
        "　    (2)誤差評価方法　：平均誤差",
        "　    (3)最高分割数　　： 2",
        " 　   (4)非排他座標（適用座標）系　　<最高７座標系>",
        "  　                      X - Y 座標系",
        "",
        "",
        "２．関連式",
        "      Total Parameter No. = 2",
        " ",
        "  パラメータ 1 ＝ 2.5",
        "    (Eq.1) -1.5 ＜ Ｘ ＜ 3.5",
        QStringLiteral("         ") + s.RelationProgramLines[0],
        "    (Eq.2) 3.5 ＜ Ｘ ＜  9.25",
        QStringLiteral("         ") + s.RelationProgramLines[1],
        " ",
        "  パラメータ 2 ＝ 3",
        "    (Eq.1) -1.5 ＜ Ｘ ＜  9.25",
        "        Y(2)= one",
        "",
    };
    QCOMPARE(s.List4, expected);
}

void TestFitReports::excludingSystemsChangesOnlyTheSystemLines() {
    SharedState standard = oneLineTwoSections();
    SingleLineReport(standard);
    SharedState all = oneLineTwoSections();
    all.ExcludedSystems = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    SingleLineReport(all);
    QCOMPARE(all.List4.size(), standard.List4.size() + 6);
    QCOMPARE(all.List4.mid(0, 5), standard.List4.mid(0, 5));
    QCOMPARE(all.List4.mid(12), standard.List4.mid(6));
    const QStringList systems = {
        "  　                      X - Y 座標系",     "  　                      Ln(X) - Y 座標系",
        "  　                      X - Ln(Y) 座標系", "  　                      Ln(X) - Ln(Y) 座標系",
        "  　                      1/X - Y 座標系",   "  　                      X - 1/Y 座標系",
        "  　                      1/X - 1/Y 座標系"};
    QCOMPARE(all.List4.mid(5, 7), systems);
}

void TestFitReports::computationUsesTheRightReport() {
    SharedState one;
    standardConditions(one);
    addLine(one, 1, sampled(6, 1, 1, [](double x) { return 2 * x + 1; }), "5");
    QVERIFY(RunComputation(one));
    QCOMPARE(one.List4.at(2), QStringLiteral(" 　   (2)誤差評価方法　： 上位２式平均誤差"));
    QCOMPARE(one.List4.at(12), QStringLiteral("  (Eq.1)  1 ＜ Ｘ ＜ 6"));
    QCOMPARE(one.List4.at(13), QStringLiteral("        ") + one.RelationProgramLines[0]);
    QVERIFY(one.List2.isEmpty()); // filled on request only
    fillDetailList(one);
    QCOMPARE(one.List2.first(), QStringLiteral("ﾃﾞｰﾀ数=6  ﾊﾟﾗﾒｰﾀ=5"));

    SharedState two;
    standardConditions(two);
    addLine(two, 1, sampled(6, 1, 1, [](double x) { return 2 * x + 1; }), "5");
    addLine(two, 2, sampled(6, 0.5, 2, [](double x) { return 3 - x; }), "10");
    QVERIFY(RunComputation(two));
    QCOMPARE(two.List4.at(2), QStringLiteral("　    (2)誤差評価方法　：上位２式平均誤差"));
    // A one-section Line is bounded by the smallest and largest X of all Lines.
    QCOMPARE(two.List4.at(12), QStringLiteral("    (Eq.1)  .5 ＜ Ｘ ＜  10.5"));
    QCOMPARE(two.List4.last(), QString());
}

void TestFitReports::parameterCheck_data() {
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<bool>("notNumeric");
    QTest::newRow("number") << "2.5" << false;
    QTest::newRow("exponent") << "1.5D-3" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "abc" << true;
    QTest::newRow("blank inside") << "1 5" << true;
    QTest::newRow("full-width digit") << "１" << true;
}

void TestFitReports::parameterCheck() {
    QFETCH(QString, parameter);
    QFETCH(bool, notNumeric);
    SharedState s;
    s.ParametersNotNumeric = true; // cleared by every check
    addLine(s, 3, {{"1", "1"}}, "7");
    addLine(s, 1, {{"1", "1"}}, parameter);
    s.LineParameter[5] = QStringLiteral("not taking part");
    QCOMPARE(checkParameters(s), notNumeric);
    QCOMPARE(s.ParametersNotNumeric, notNumeric);
}

QTEST_GUILESS_MAIN(TestFitReports)
#include "tst_fitreports.moc"
