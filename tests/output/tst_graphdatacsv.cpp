// The graph-data CSV (header, data and curve columns) and the extension rule
// of the CSV / keyboard-data save dialog.

#include "OutputFixtures.h"
#include "output/CsvExtensionRule.h"
#include "output/GraphDataCsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tracol;

namespace {

// Lines 1 and 2 with Parameters 20 and 10: Line 2's text sorts first.
SharedState twoLines() {
    SharedState state;
    testing::addLine(state, 1, QStringLiteral("20"), {1, 15, 30}, {10.5, 20.25, 30},
                     {{1, 10, 0.5f, 0, 0, 1, 3}});
    testing::addLine(state, 2, QStringLiteral("10"), {0, 14.5, 29}, {1, 30, 59}, {{1, 2, 1, 0, 0, 1, 3}});
    state.LineOrder[1] = 2;
    state.LineOrder[2] = 1;
    return state;
}

} // namespace

class TestGraphDataCsv : public QObject {
    Q_OBJECT

  private slots:
    void header_data();
    void header();
    void dataRowsFollowLineNumbers();
    void curveRowsFollowParameterOrder();
    void sectionWithOneXKeepsTheLastRange();
    void writesFileWithCrLf();
    void writeFailureIsReported();
    void keyboardDataIsSavedAsDataSet();
    void extensionRule_data();
    void extensionRule();
};

void TestGraphDataCsv::header_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one Line") << 1 << "X_Data,Data1,Line1";
    QTest::newRow("two Lines") << 2 << "X_Data,Data1,Data2,Line1,Line2";
    QTest::newRow("four Lines") << 4 << "X_Data,Data1,Data2,Data3,Data4,Line1,Line2,Line3,Line4";
}

void TestGraphDataCsv::header() {
    QFETCH(int, lines);
    QFETCH(QString, expected);
    SharedState state;
    for (int k = 1; k <= lines; ++k) {
        testing::addLine(state, k, QString::number(k), {1, 2}, {3, 4}, {{1, 1, 0, 0, 0, 1, 2}});
        state.LineOrder[k] = static_cast<qint16>(k);
    }
    const QStringList csv = graphDataLines(state);
    QCOMPARE(csv.first(), expected);
    // Data rows carry k commas, curve rows N + p commas.
    QCOMPARE(csv[1], QStringLiteral("1,3"));
    QCOMPARE(csv.last().count(u','), 2 * lines);
}

void TestGraphDataCsv::dataRowsFollowLineNumbers() {
    SharedState state = twoLines();
    state.PointXText[1][2] = QStringLiteral("2.000"); // written exactly as held
    const QStringList csv = graphDataLines(state);
    QCOMPARE(csv.mid(1, 6), (QStringList{"1,10.5", "2.000,20.25", "30,30", "0,,1", "14.5,,30", "29,,59"}));
}

void TestGraphDataCsv::curveRowsFollowParameterOrder() {
    SharedState state = twoLines();
    const QStringList csv = graphDataLines(state);
    // Line 2 (first in parameter order): 29 intervals over 0..29, Y = 2X + 1, in column Line1.
    const QStringList curves = csv.mid(7);
    QCOMPARE(curves.size(), 30 + 30);
    for (int u = 0; u < 30; ++u)
        QCOMPARE(curves[u], QStringLiteral("%1,,,%2").arg(u).arg(2 * u + 1));
    // Line 1 in column Line2: Y = 10X + 0.5 over 1..30.
    for (int u = 0; u < 30; ++u)
        QCOMPARE(curves[30 + u], QStringLiteral("%1,,,,%2").arg(u + 1).arg(10 * (u + 1)).append(".5"));
    QCOMPARE(state.CurveSteps, qint16(299));
}

void TestGraphDataCsv::sectionWithOneXKeepsTheLastRange() {
    SharedState state;
    testing::addLine(state, 1, QStringLiteral("1"), {0, 29, 29}, {1, 2, 3},
                     {{1, 1, 0, 0, 0, 1, 2}, {1, 3, 0, 0, 0, 2, 3}});
    state.LineOrder[1] = 1;
    const QStringList csv = graphDataLines(state);
    const QStringList curves = csv.mid(4);
    QCOMPARE(curves.size(), 60); // the second section is sampled over 0..29 again
    QCOMPARE(curves[30], QStringLiteral("0,,0"));
    QCOMPARE(curves[59], QStringLiteral("29,,87"));
}

void TestGraphDataCsv::writesFileWithCrLf() {
    QTemporaryDir dir;
    SharedState state = twoLines();
    const QString path = dir.filePath(QStringLiteral("graph.csv"));
    const FileOutcome result = writeCsvDialogFile(state, kCsvPurposeGraphData, path);
    QVERIFY(result.ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    SharedState again = twoLines();
    QCOMPARE(bytes, (graphDataLines(again).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

void TestGraphDataCsv::writeFailureIsReported() {
    QTemporaryDir dir;
    SharedState state = twoLines();
    const FileOutcome result = writeGraphDataCsv(state, dir.filePath(QStringLiteral("missing/graph.csv")));
    QVERIFY(!result.ok);
    QCOMPARE(result.message, QStringLiteral("書込めません。"));
}

void TestGraphDataCsv::keyboardDataIsSavedAsDataSet() {
    QTemporaryDir dir;
    SharedState state;
    state.LineBox[1] = QStringLiteral("1.5,2\r\n3,4.25\r\n");
    state.PointCount[1] = 2;
    state.LineParameter[1] = QStringLiteral("0.5");
    state.LineBox[2] = QStringLiteral("7,8\r\n");
    state.PointCount[2] = 1;
    state.LineParameter[2] = QStringLiteral("2");
    state.LineText = {QString(), state.LineBox[1], state.LineBox[2]}; // the Lines as counted
    const QString path = dir.filePath(QStringLiteral("keys.dat"));
    const FileOutcome result = writeCsvDialogFile(state, kCsvPurposeKeyboardData, path);
    QVERIFY(result.ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, *encodeForFile(allLinesFileText(state)));
    QVERIFY(bytes.startsWith("0.5, 1 , 2\r\n1.5,2\r\n"));
    // Read back, the file gives the same Lines.
    SharedState reread;
    QVERIFY(readDataSetFile(reread, path).ok);
    QCOMPARE(reread.LineBox[1], state.LineBox[1]);
    QCOMPARE(reread.LineParameter[2], QStringLiteral("2"));
}

void TestGraphDataCsv::extensionRule_data() {
    QTest::addColumn<int>("purpose");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    const QString notCsv = QStringLiteral("拡張子がCSVではない。ＯＫ？");
    const QString notDat = QStringLiteral("拡張子がDAT又はTXTではない。ＯＫ？");
    QTest::newRow("csv") << 70 << "graph.csv"
                         << "";
    QTest::newRow("CSV in capitals") << 70 << "GRAPH.CSV"
                                     << "";
    QTest::newRow("four letters starting with csv") << 70 << "graph.csvx"
                                                    << "";
    QTest::newRow("txt for graph data") << 70 << "graph.txt" << notCsv;
    QTest::newRow("no extension") << 70 << "graph" << notCsv;
    QTest::newRow("first dot counts") << 70 << "graph.v1.csv" << notCsv;
    QTest::newRow("dot in the folder only") << 70 << "/tmp/a.csv/graph" << notCsv;
    QTest::newRow("dat") << 50 << "keys.dat"
                         << "";
    QTest::newRow("TXT") << 50 << "keys.TXT"
                         << "";
    QTest::newRow("csv for keyboard data") << 50 << "keys.csv" << notDat;
    QTest::newRow("short extension") << 50 << "keys.da" << notDat;
}

void TestGraphDataCsv::extensionRule() {
    QFETCH(int, purpose);
    QFETCH(QString, name);
    QFETCH(QString, warning);
    QCOMPARE(csvExtensionWarning(static_cast<qint16>(purpose), name), warning);
}

QTEST_GUILESS_MAIN(TestGraphDataCsv)
#include "tst_graphdatacsv.moc"
