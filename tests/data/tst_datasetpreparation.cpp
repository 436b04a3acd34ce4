// The DataSet window's point counting and computation start.

#include "data/DataSetPreparation.h"

#include <QtTest>

using namespace tracol;

namespace {

// A Line as the DataSet window leaves it after its text changed.
void typeLine(SharedState& state, int line, const QString& text, const QString& parameter = {}) {
    state.LineBox[line] = text;
    countLinePoints(state, line);
    state.LineParameter[line] = parameter.isNull() ? QString::number(line) : parameter;
}

QString points(int n, double start = 1.5) {
    QString text;
    for (int i = 0; i < n; ++i)
        text += QStringLiteral("%1,%2\r\n").arg(start + i).arg(2.25 * (i + 1));
    return text;
}

} // namespace

class TestDataSetPreparation : public QObject {
    Q_OBJECT
  private slots:
    void countsCommas_data();
    void countsCommas();
    void deletingAllPointsEmptiesTheLine();
    void countStopsAt100();
    void validation_data();
    void validation();
    void shortTextIsTooSmall();
    void singleLineSkipsGapCheck();
    void fillsPointTables();
    void parametersSortAsTexts();
    void equalParametersKeepEveryLine();
    void workEstimate_data();
    void workEstimate();
    void workEstimateValue_data();
    void workEstimateValue();
    void moreThan100PointsAreNoticed();
};

void TestDataSetPreparation::countsCommas_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("lineText");
    QTest::newRow("two points") << "1,2\r\n3,4\r\n"
                                << int(PointCountUpdate::Kind::Counted) << 2 << "1,2\r\n3,4\r\n";
    QTest::newRow("typing Y") << "1,2\r\n3,4\r\n5," << int(PointCountUpdate::Kind::Typing) << 1 << "1,2\r\n";
    QTest::newRow("first Y digit") << "1,2\r\n3,4\r\n5,6" << int(PointCountUpdate::Kind::Counted) << 3
                                   << "1,2\r\n3,4\r\n5,6";
    QTest::newRow("empty lines removed") << "\r\n1,2\r\n\r\n\r\n3,4\r\n"
                                         << int(PointCountUpdate::Kind::Counted) << 2 << "1,2\r\n3,4\r\n";
    QTest::newRow("line feeds") << "1,2\n3,4\n"
                                << int(PointCountUpdate::Kind::Counted) << 2 << "1,2\r\n3,4\r\n";
    QTest::newRow("no comma") << "12" << int(PointCountUpdate::Kind::NoPoints) << 0 << "12";
}

void TestDataSetPreparation::countsCommas() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QString, lineText);
    SharedState state;
    // The Line held one point before the change.
    state.PointCount[4] = 1;
    state.LineText[4] = "1,2\r\n";
    state.LineBox[4] = text;
    const PointCountUpdate update = countLinePoints(state, 4);
    QCOMPARE(int(update.kind), kind);
    QCOMPARE(int(update.count), count);
    QCOMPARE(int(state.PointCount[4]), count);
    QCOMPARE(state.LineText[4], lineText);
    QCOMPARE(state.LineBox[4], text); // the box keeps its text
}

void TestDataSetPreparation::deletingAllPointsEmptiesTheLine() {
    SharedState state;
    typeLine(state, 1, points(5));
    QCOMPARE(state.PointCount[1], qint16(5));
    state.LineBox[1].clear();
    countLinePoints(state, 1);
    QCOMPARE(state.PointCount[1], qint16(0));
    QVERIFY(state.LineText[1].isEmpty());
    QCOMPARE(prepareComputation(state).message, QStringLiteral("データが無い"));
}

void TestDataSetPreparation::countStopsAt100() {
    SharedState state;
    state.LineBox[2] = points(130);
    const PointCountUpdate update = countLinePoints(state, 2);
    QCOMPARE(update.count, qint16(100));
    QVERIFY(update.pointsBeyondLimit);
    QCOMPARE(state.LineText[2], points(130));
    state.LineBox[2] = points(100);
    QVERIFY(!countLinePoints(state, 2).pointsBeyondLimit);
}

void TestDataSetPreparation::validation_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");
    const QString good = points(5);
    QTest::newRow("passes") << QStringList{good, good} << "";
    QTest::newRow("no data") << QStringList{"", good} << "データが無い";
    QTest::newRow("gap") << QStringList{good, "", good} << "データが無いパラメータ存在";
    QTest::newRow("blanks and exponents")
        << QStringList{" 1.5 , 2E+01\r\n2.5,3D-1\r\n3.5, 4e2 \r\n4,5d0\r\n"} << "";
    QTest::newRow("semicolon") << QStringList{"1.5,2\r\n2.5;3\r\n3.5,4,\r\n4.5,5\r\n"}
                               << "X,Yデータがどちらか欠損";
    QTest::newRow("empty Y") << QStringList{"1.5,2\r\n2.5, \r\n3.5,4\r\n"} << "X,Yデータがどちらか欠損";
    QTest::newRow("two commas") << QStringList{"1.5,2\r\n2.5,3,4\r\n3.5,4\r\n4.5,5\r\n"}
                                << "数値として判断されない";
    QTest::newRow("letter") << QStringList{good, "1.5,2\r\n2.5,x3\r\n3.5,4\r\n"} << "数値として判断されない";
    QTest::newRow("two points") << QStringList{good, "1.5,2.5\r\n3.5,4.5\r\n"} << "データが少ない";
    QTest::newRow("three short points") << QStringList{"1,2\r\n3,4\r\n5,6"} << "";
}

void TestDataSetPreparation::validation() {
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    SharedState state;
    for (int k = 1; k <= texts.size(); ++k)
        typeLine(state, k, texts.at(k - 1));
    state.KeyboardDataActive = true;
    const PreparationOutcome outcome = prepareComputation(state);
    QCOMPARE(outcome.message, message);
    QVERIFY(!state.KeyboardDataActive);
}

void TestDataSetPreparation::shortTextIsTooSmall() {
    SharedState state;
    // Ten characters once the final line end is added, though the count says 3.
    state.LineText[1] = "1,2\r\n3,4";
    state.PointCount[1] = 3;
    QCOMPARE(prepareComputation(state).message, QStringLiteral("データが少ない"));
    QCOMPARE(state.LineText[1], QStringLiteral("1,2\r\n3,4\r\n"));
    state.LineText[1] = "1,2\r\n3,4\r\n5,6";
    QVERIFY(prepareComputation(state).ok());
}

void TestDataSetPreparation::singleLineSkipsGapCheck() {
    SharedState state;
    typeLine(state, 1, points(4));
    typeLine(state, 3, points(6), "7.5");
    QCOMPARE(prepareComputation(state).message, QStringLiteral("データが無いパラメータ存在"));
    state.SingleLine = 3;
    const PreparationOutcome outcome = prepareComputation(state);
    QVERIFY2(outcome.ok(), qPrintable(outcome.message));
    QCOMPARE(state.LoadedLineCount[3], qint16(6));
    QCOMPARE(state.PointXText[3][6], QStringLiteral("6.5"));
}

void TestDataSetPreparation::fillsPointTables() {
    SharedState state;
    typeLine(state, 1, " 1.5 , 2 5\r\n2.5,3E+1\r\n3.5,4\r\n", " 0.5 ");
    typeLine(state, 2, points(12, 10), "b");
    state.PointXText[1][50] = "stale";
    QVERIFY(prepareComputation(state).ok());
    QCOMPARE(state.LinesInUse, qint16(2));
    QCOMPARE(state.PointXText[1][1], QStringLiteral("1.5"));
    QCOMPARE(state.PointYText[1][1], QStringLiteral("25"));
    QCOMPARE(state.PointYText[1][2], QStringLiteral("3E+1"));
    QVERIFY(state.PointXText[1][50].isEmpty());
    QCOMPARE(state.LoadedLineKind[1], qint16(1));
    QCOMPARE(state.LoadedLineCount[1], qint16(3));
    QCOMPARE(state.LoadedLineCount[2], qint16(12));
    QCOMPARE(state.PointXText[2][12], QStringLiteral("21"));
    QCOMPARE(state.LineParameter[1], QStringLiteral("0.5"));
    QCOMPARE(state.LineText[1], QStringLiteral(" 1.5 , 2 5\r\n2.5,3E+1\r\n3.5,4\r\n"));
}

void TestDataSetPreparation::parametersSortAsTexts() {
    SharedState state;
    typeLine(state, 1, points(4), "9");
    typeLine(state, 2, points(4), "10");
    typeLine(state, 3, points(4), "-1");
    QVERIFY(prepareComputation(state).ok());
    QCOMPARE(state.SortedParameter[1], QStringLiteral("-1"));
    QCOMPARE(state.SortedParameter[2], QStringLiteral("10"));
    QCOMPARE(state.SortedParameter[3], QStringLiteral("9"));
    QCOMPARE(state.LineOrder[1], qint16(3));
    QCOMPARE(state.LineOrder[2], qint16(2));
    QCOMPARE(state.LineOrder[3], qint16(1));
    QCOMPARE(state.LineOrder[4], qint16(0));
}

void TestDataSetPreparation::equalParametersKeepEveryLine() {
    SharedState state;
    const QStringList parameters{"5", "2", "5", "2", "5", "1"};
    for (int k = 1; k <= parameters.size(); ++k)
        typeLine(state, k, points(4), parameters.at(k - 1));
    QVERIFY(prepareComputation(state).ok());
    const QList<qint16> expected{6, 2, 4, 1, 3, 5};
    for (int i = 1; i <= expected.size(); ++i)
        QCOMPARE(state.LineOrder[i], expected.at(i - 1));
}

void TestDataSetPreparation::workEstimate_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    // n = 10: m 3, step 1, v = 5 -> 6; w = 3..: d = 2, 1 -> 9.
    QTest::newRow("10") << 10 << 9;
    // n = 4: v = 0 -> 1; w = 3: d = -4 stops.
    QTest::newRow("4") << 4 << 1;
    // n = 31: m 7, step 2, v = 18: 9.5 -> 10 (half to even); w = 7, 9, ..., 17 give
    // d = 11, 9, 7, 5, 3, 1: 15.5 -> 16, 20.5 -> 20, 23.5 -> 24, 26.5 -> 26, 27.5 -> 28, 28.5 -> 28.
    QTest::newRow("31") << 31 << 28;
    // n = 0 (a Line without points) still counts one trial.
    QTest::newRow("0") << 0 << 1;
    // n = 100: m 7, step 5, v = 87: 17.6 -> 18; d = 80, 75, ..., 5 add 16 + 15 + ... + 1.
    QTest::newRow("100") << 100 << 18 + 136;
}

void TestDataSetPreparation::workEstimate() {
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(addWorkEstimate(0, n), expected);
}

void TestDataSetPreparation::workEstimateValue_data() {
    QTest::addColumn<int>("estimate");
    QTest::addColumn<int>("expected");
    QTest::newRow("within") << 154 << 154;
    QTest::newRow("largest") << 32767 << 32767;
    QTest::newRow("beyond") << 40000 << 32767;
    QTest::newRow("negative") << -5 << 0;
}

void TestDataSetPreparation::workEstimateValue() {
    QFETCH(int, estimate);
    QFETCH(int, expected);
    QCOMPARE(tracol::workEstimateValue(estimate), qint16(expected));
}

void TestDataSetPreparation::moreThan100PointsAreNoticed() {
    SharedState state;
    typeLine(state, 1, points(120));
    const PreparationOutcome outcome = prepareComputation(state);
    QVERIFY(outcome.ok());
    QVERIFY(outcome.pointsBeyondLimit);
    QCOMPARE(state.LoadedLineCount[1], qint16(100));
    QCOMPARE(state.PointXText[1][100], QStringLiteral("100.5"));
    QCOMPARE(state.WorkEstimate, qint16(addWorkEstimate(0, 100)));
}

QTEST_GUILESS_MAIN(TestDataSetPreparation)
#include "tst_datasetpreparation.moc"
