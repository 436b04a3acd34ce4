// Layout of the worksheet "Rrr.csv" for one, two and more Lines, its quoting,
// the ascending Parameter order and the reporting of a failed write.

#include "OutputFixtures.h"
#include "core/CodePage932.h"
#include "output/Worksheet.h"
#include "output/WorksheetFile.h"
#include "tests/common/FileLines.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tracol;
using testing::cellAt;
using testing::FixtureSection;

namespace {

const std::vector<double> kTenX{1.2, 1.9, 2.5, 3.1, 4.4, 5.0, 6.3, 7.7, 8.1, 9.6};

// A Line over kTenX with `sections` sections (1, 2 or 3) of kind 1 whose
// slope tells the Lines apart.
void addPlainLine(SharedState& state, int line, const QString& parameter, float slope, int sections) {
    std::vector<FixtureSection> fitted;
    if (sections == 1)
        fitted = {{1, slope, 1, 0, 0, 1, 10}};
    else if (sections == 2)
        fitted = {{1, slope, 1, 0, 0, 1, 5}, {1, slope, 2, 0, 0, 5, 10}};
    else
        fitted = {{1, slope, 1, 0, 0, 1, 4}, {2, 0.5f, slope, -1, 0, 4, 7}, {1, slope, 3, 0, 0, 7, 10}};
    testing::addLine(state, line, parameter, kTenX, kTenX, fitted);
}

std::vector<QStringList> rowsOf(const SharedState& state) {
    return testing::splitCsv(worksheetLines(state));
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

  private slots:
    void oneLineLayout();
    void twoLineLayout();
    void manyLineLayout();
    void sectionRowsOfMissingSections();
    void widening_data();
    void widening();
    void everyCellQuoted();
    void ascendingParameterOrder_data();
    void ascendingParameterOrder();
    void startValues();
    void sectionWithoutEquationCountsAsEmpty();
    void writesCodePage932WithCrLf();
    void writeFailureIsReported();
    void unwritableCharacterIsNamed();
    void nothingToWriteKeepsOldWorksheet();
    void workingFolderIsWritable();
};

void TestWorksheet::oneLineLayout() {
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("7.5"), 2.0f, 3);
    const auto rows = rowsOf(state);
    QCOMPARE(int(rows.size()), 13);
    QCOMPARE(rows[0], (QStringList{"X=", " 5.4", "", "0.05", "＜拡張子をｘｌｓとして保存ください＞"}));
    QCOMPARE(rows[1], (QStringList{"Para=", " 7.5", "", "", "＜変更できるのはＢ１のセルのみ＞"}));
    QCOMPARE(rows[2], QStringList{""});
    QCOMPARE(rows[3],
             (QStringList{"Y=", "=IF(D4=\"NG\",\"範囲外\",O8)", "", "=IF(SUM(E9:E11)=0,\"NG\",\"OK\")"}));
    QCOMPARE(rows[4], QStringList{""});
    QCOMPARE(rows[5], QStringList{""});
    QCOMPARE(cellAt(rows, 8, 8), QStringLiteral("=COUNT(G9:G11)"));
    QCOMPARE(cellAt(rows, 8, 15), QStringLiteral("=SUM(O9:O11)"));
    QCOMPARE(cellAt(rows, 12, 1), QStringLiteral("Parameter"));
    QCOMPARE(rows[11], (QStringList{"Parameter", "", "Flg"}));
    // The only Line always takes part, whatever B2 holds.
    QCOMPARE(rows[12], (QStringList{" 7.5", " 1", "=B13"}));
    QCOMPARE(cellAt(rows, 9, 16), QStringLiteral("=IF(ISERROR(VLOOKUP(A9,$A$13:$D$13,3,FALSE)),\"\","
                                                 "VLOOKUP(A9,$A$13:$D$13,3,FALSE))"));
}

void TestWorksheet::twoLineLayout() {
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("20"), 2.0f, 1);
    addPlainLine(state, 2, QStringLiteral("10"), 3.0f, 2);
    const auto rows = rowsOf(state);
    QCOMPARE(int(rows.size()), 17);
    QCOMPARE(rows[0].size(), 15);
    QCOMPARE(cellAt(rows, 1, 10), QStringLiteral("a="));
    QCOMPARE(cellAt(rows, 1, 11),
             QStringLiteral("=IF(ISERROR(($N1-$O1)/($N$4-$O$4)),\"\",($N1-$O1)/($N$4-$O$4))"));
    QCOMPARE(cellAt(rows, 1, 13), QStringLiteral("aa="));
    QCOMPARE(cellAt(rows, 1, 14), QStringLiteral("=$N$8*$H$8"));
    QCOMPARE(cellAt(rows, 1, 15), QStringLiteral("=$O$8*$L$8"));
    QCOMPARE(cellAt(rows, 2, 5), QStringLiteral("＜変更できるのはＢ１とＢ２のセルのみ＞"));
    QCOMPARE(cellAt(rows, 2, 11),
             QStringLiteral("=IF(ISERROR(($N2-$O2)/($N$4-$O$4)),\"\",($N2-$O2)/($N$4-$O$4))"));
    QCOMPARE(cellAt(rows, 2, 14), QStringLiteral("=$K$8*$O$8"));
    QCOMPARE(cellAt(rows, 2, 15), QStringLiteral("=$N$8*$L$8"));
    QCOMPARE(rows[2], QStringList{""});
    QCOMPARE(rows[3], (QStringList{"Y=", "=IF(D4=\"NG\",\"範囲外\",K1*B2+K2)", "",
                                   "=IF(ISERROR(K1*B2+K2),\"NG\",\"OK\")", "", "", "", "", "", "", "", "",
                                   "Base=", "=$K$8*$H$8", "=$L$8*$L$8"}));
    QCOMPARE(rows[14], (QStringList{"Parameter", "", "Flg"}));
    // Both Lines take part while B2 lies between their Parameters.
    QCOMPARE(rows[15], (QStringList{" 10", "=IF($B$2>=A16,IF($B$2<=A17,1,0),0)", "=B15+B16+B17"}));
    QCOMPARE(rows[16], (QStringList{" 20", " 0", "=B15+B16+B17"}));
}

void TestWorksheet::manyLineLayout() {
    SharedState state;
    // Entered in descending order of the Parameters.
    addPlainLine(state, 1, QStringLiteral("40"), 4.0f, 3);
    addPlainLine(state, 2, QStringLiteral("30"), 3.0f, 3);
    addPlainLine(state, 3, QStringLiteral("20"), 2.0f, 3);
    addPlainLine(state, 4, QStringLiteral("10"), 1.0f, 3);
    const auto rows = rowsOf(state);
    QCOMPARE(int(rows.size()), 25);
    QCOMPARE(rows[0].size(), 15);
    QCOMPARE(cellAt(rows, 1, 14), QStringLiteral("=$M$8*$K$8*$H$8+$N$8*K8*L8+$J$8*$O$8*$L$8"));
    QCOMPARE(cellAt(rows, 1, 15), QStringLiteral("=$K$8*$K$8*$O$8+$J$8*$N$8*$H$8+$M$8*$L$8*$L$8"));
    QCOMPARE(cellAt(rows, 2, 14), QStringLiteral("=$I$8*$N$8*$H$8+$J$8*$K$8*$O$8+$M$8*$K$8*$L$8"));
    QCOMPARE(cellAt(rows, 2, 15), QStringLiteral("=$K$8*$K$8*$N$8+$J$8*$M$8*$H$8+$I$8*$O$8*$L$8"));
    QCOMPARE(rows[2].size(), 15);
    QCOMPARE(cellAt(rows, 3, 10), QStringLiteral("c="));
    QCOMPARE(cellAt(rows, 3, 11),
             QStringLiteral("=IF(ISERROR(($N3-$O3)/($N$4-$O$4)),\"\",($N3-$O3)/($N$4-$O$4))"));
    QCOMPARE(cellAt(rows, 3, 14), QStringLiteral("=$I$8*$K$8*$O$8+$J$8*$M$8*$L$8+$J$8*$K$8*$N$8"));
    QCOMPARE(cellAt(rows, 3, 15), QStringLiteral("=$K$8*$K$8*$M$8+$J$8*$J$8*$O$8+$I$8*$L$8*$N$8"));
    QCOMPARE(cellAt(rows, 4, 2), QStringLiteral("=IF(D4=\"NG\",\"範囲外\",K1*B2^2+K2*B2+K3)"));
    QCOMPARE(cellAt(rows, 4, 4), QStringLiteral("=IF(ISERROR(K1*B2^2+K2*B2+K3),\"NG\",\"OK\")"));
    QCOMPARE(cellAt(rows, 4, 14), QStringLiteral("=$I$8*$K$8*$H$8+$J$8*$K$8*$L$8+$J$8*$K$8*$L$8"));
    QCOMPARE(cellAt(rows, 4, 15), QStringLiteral("=$K$8*$K$8*$K$8+$J$8*$J$8*$H$8+$I$8*$L$8*$L$8"));
    QCOMPARE(rows[6],
             (QStringList{"", "", "", "", "", "X", "Y", "N", "X^4", "X^3", "X^2", "X", "X^2Y", "XY", "Y"}));
    QCOMPARE(cellAt(rows, 8, 8), QStringLiteral("=COUNT(G9:G20)"));
    QCOMPARE(cellAt(rows, 8, 9), QStringLiteral("=SUM(I9:I20)"));
    QCOMPARE(cellAt(rows, 8, 17), QStringLiteral("=MAX($Q$9:$Q$20)"));
    QCOMPARE(cellAt(rows, 8, 18), QStringLiteral("=MIN($R$9:$R$20)"));

    // Section row 9 in full (the first Line in Parameter order, section 1).
    QCOMPARE(
        rows[8],
        (QStringList{" 10", "=1*$B$1+1", "=1.2*(1-$D$1)", " 3.1", "=IF($B$1>$C9,IF($B$1<=$D9,1,0),0)",
                     "=IF($P9=1,IF(E9=1,A9,\"\"),\"\")", "=IF($P9=1,IF(E9=1,B9,\"\"),\"\")", "",
                     "=IF($G9=\"\",\"\",F9^4)", "=IF($G9=\"\",\"\",F9^3)", "=IF($G9=\"\",\"\",F9^2)",
                     "=IF($G9=\"\",\"\",F9)", "=IF($G9=\"\",\"\",F9^2*G9)", "=IF($G9=\"\",\"\",F9*G9)",
                     "=IF($G9=\"\",\"\",G9)",
                     "=IF(ISERROR(VLOOKUP(A9,$A$22:$D$25,3,FALSE)),\"\",VLOOKUP(A9,$A$22:$D$25,3,FALSE))",
                     "=IF(P9=1,C9,\"\")", "=IF(P9=1,IF(D10<D9,D9,\"\"),\"\")"}));
    QCOMPARE(cellAt(rows, 10, 17), QStringLiteral("=IF(Q9>C10,IF(P10=1,C10,\"\"),Q9)"));
    QCOMPARE(cellAt(rows, 10, 18), QStringLiteral("=IF(P10=1,MAX(R9,D10),R9)"));
    QCOMPARE(cellAt(rows, 10, 2), QStringLiteral("=.5*$B$1^2+1*$B$1-1"));

    QCOMPARE(rows[20], (QStringList{"Parameter", "", "Flg"}));
    QCOMPARE(rows[21], (QStringList{" 10", "=IF($B$2>=A22,IF($B$2<A23,1,0),0)", "=B21+B22+B23"}));
    QCOMPARE(rows[22], (QStringList{" 20", "=IF($B$2>=A23,IF($B$2<A24,1,0),0)", "=B21+B22+B23+B24"}));
    QCOMPARE(rows[23], (QStringList{" 30", "=IF($B$2>=A24,IF($B$2<=A25,1,0),0)", "=B22+B23+B24+B25"}));
    QCOMPARE(rows[24], (QStringList{" 40", " 0", "=B23+B24+B25"}));
}

void TestWorksheet::sectionRowsOfMissingSections() {
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("1"), 1.0f, 1);
    addPlainLine(state, 2, QStringLiteral("2"), 2.0f, 2);
    addPlainLine(state, 3, QStringLiteral("3"), 3.0f, 3);
    const auto rows = rowsOf(state);
    // Line 1: row 9 only; Line 2: rows 12, 13; Line 3: rows 15..17.
    const QList<int> written{9, 12, 13, 15, 16, 17};
    for (int row = 9; row <= 17; ++row) {
        const bool expected = written.contains(row);
        QCOMPARE(rows[row - 1].size() == 18, expected);
        if (!expected)
            QCOMPARE(rows[row - 1], QStringList{""});
    }
    QCOMPARE(cellAt(rows, 18, 1), QStringLiteral("Parameter"));
}

void TestWorksheet::widening_data() {
    QTest::addColumn<int>("sections");
    QTest::addColumn<QStringList>("lowerX");
    QTest::addColumn<QStringList>("upperX");
    QTest::newRow("one section: lower X only") << 1 << QStringList{"=1.2*(1-$D$1)"} << QStringList{" 9.6"};
    QTest::newRow("two sections") << 2 << QStringList{"=1.2*(1-$D$1)", " 4.4"}
                                  << QStringList{" 4.4", "=9.6*(1+$D$1)"};
    QTest::newRow("three sections") << 3 << QStringList{"=1.2*(1-$D$1)", " 3.1", " 6.3"}
                                    << QStringList{" 3.1", " 6.3", "=9.6*(1+$D$1)"};
}

void TestWorksheet::widening() {
    QFETCH(int, sections);
    QFETCH(QStringList, lowerX);
    QFETCH(QStringList, upperX);
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("5"), 1.5f, sections);
    const auto rows = rowsOf(state);
    for (int s = 0; s < sections; ++s) {
        QCOMPARE(cellAt(rows, 9 + s, 3), lowerX[s]);
        QCOMPARE(cellAt(rows, 9 + s, 4), upperX[s]);
    }
}

void TestWorksheet::everyCellQuoted() {
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("3"), 1.5f, 3);
    addPlainLine(state, 2, QStringLiteral("1"), 2.5f, 2);
    addPlainLine(state, 3, QStringLiteral("2"), 3.5f, 1);
    const QStringList lines = worksheetLines(state);
    const QRegularExpression quotedCells(QStringLiteral("^\"([^\"]|\"\")*\"(,\"([^\"]|\"\")*\")*$"));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (i == 7) { // P8 is the one unquoted (empty) cell
            QVERIFY(line.contains(QStringLiteral("\"=SUM(O9:O17)\",,\"=MAX($Q$9:$Q$17)\"")));
            line.replace(QStringLiteral(",,"), QStringLiteral(",\"\","));
        }
        QVERIFY2(quotedCells.match(line).hasMatch(), qPrintable(QString::number(i + 1) + ": " + line));
    }
    QVERIFY(lines[3].contains(QStringLiteral("\"=IF(D4=\"\"NG\"\",\"\"範囲外\"\",K1*B2^2+K2*B2+K3)\"")));
}

void TestWorksheet::ascendingParameterOrder_data() {
    QTest::addColumn<QStringList>("parameters"); // of Lines 1..n
    QTest::addColumn<QList<int>>("lineOrder");   // Lines in the order of the section rows
    QTest::newRow("descending") << QStringList{"40", "30", "20", "10"} << QList<int>{4, 3, 2, 1};
    QTest::newRow("text order differs") << QStringList{"9", "10", "2"} << QList<int>{3, 1, 2};
    QTest::newRow("equal values in Line order")
        << QStringList{"5", "1", "5.0", "3"} << QList<int>{2, 4, 1, 3};
    QTest::newRow("negative and exponent") << QStringList{"1e1", "-2", "0.5"} << QList<int>{2, 3, 1};
}

void TestWorksheet::ascendingParameterOrder() {
    QFETCH(QStringList, parameters);
    QFETCH(QList<int>, lineOrder);
    SharedState state;
    for (int line = 1; line <= parameters.size(); ++line)
        addPlainLine(state, line, parameters[line - 1], float(line), 1);
    const auto rows = rowsOf(state);
    const int count = int(parameters.size());
    for (int i = 0; i < count; ++i) {
        const int line = lineOrder[i];
        const QString parameter = numtext::generalText(float(numtext::val(parameters[line - 1])));
        QCOMPARE(cellAt(rows, 9 + 3 * i, 1), parameter);
        QCOMPARE(cellAt(rows, 9 + 3 * i, 2), QStringLiteral("=%1*$B$1+1").arg(line)); // the Line's own slope
        QCOMPARE(cellAt(rows, 3 * count + 10 + i, 1), parameter);
    }
}

void TestWorksheet::startValues() {
    SharedState state;
    // Line 1's points are not in X order: its fitted range is the sorted 1.2 .. 9.6.
    testing::addLine(state, 1, QStringLiteral("30"), {5.0, 9.6, 1.2, 3.1, 7.7}, {1, 2, 3, 4, 5},
                     {{1, 1, 0, 0, 0, 1, 3}, {1, 1, 0, 0, 0, 3, 5}});
    addPlainLine(state, 2, QStringLiteral("50"), 1.0f, 1);
    addPlainLine(state, 3, QStringLiteral("-10"), 1.0f, 1);
    const auto rows = rowsOf(state);
    QCOMPARE(cellAt(rows, 1, 2), numtext::generalText((1.2f + 9.6f) / 2.0f));
    QCOMPARE(cellAt(rows, 2, 2), QStringLiteral(" 20")); // middle of -10 and 50
    // Line 1 (Parameter 30) owns rows 12..14, between -10 and 50.
    QCOMPARE(cellAt(rows, 12, 3), QStringLiteral("=1.2*(1-$D$1)"));
    QCOMPARE(cellAt(rows, 12, 4), QStringLiteral(" 5"));
    QCOMPARE(cellAt(rows, 13, 3), QStringLiteral(" 5"));
    QCOMPARE(cellAt(rows, 13, 4), QStringLiteral("=9.6*(1+$D$1)"));
}

void TestWorksheet::sectionWithoutEquationCountsAsEmpty() {
    SharedState state;
    testing::addLine(state, 1, QStringLiteral("1"), kTenX, kTenX, {{0, 0, 0, 0, 0, 1, 10}});
    const auto rows = rowsOf(state);
    QCOMPARE(cellAt(rows, 9, 2), QStringLiteral("=\"\""));
}

void TestWorksheet::writesCodePage932WithCrLf() {
    QTemporaryDir dir;
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("2"), 1.0f, 2);
    addPlainLine(state, 2, QStringLiteral("4"), 2.0f, 3);
    const WorksheetWriteResult result = WriteWorksheet(state, dir.path());
    QVERIFY(result.ok);
    QCOMPARE(result.path, dir.filePath(QStringLiteral("Rrr.csv")));
    QCOMPARE(testing::fileLines(result.path), worksheetLines(state));
    QFile file(result.path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), worksheetLines(state).size());
    QVERIFY(bytes.contains("\x94\xcd\x88\xcd\x8a\x4f")); // 範囲外 in code page 932
}

void TestWorksheet::writeFailureIsReported() {
    QTemporaryDir dir;
    // The folder is a plain file: nothing can be created inside it.
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    QFile plain(notAFolder);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("2"), 1.0f, 1);
    const WorksheetWriteResult result = WriteWorksheet(state, notAFolder);
    QVERIFY(!result.ok);
    QVERIFY(result.errorText.startsWith(QStringLiteral("書込めません。")));
}

void TestWorksheet::unwritableCharacterIsNamed() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rrr.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    WorksheetFile file(path);
    QVERIFY(file.AppendWorksheetLine(QStringLiteral("\"10\u301C20\""))); // written as 0x8160
    QVERIFY(!file.AppendWorksheetLine(QStringLiteral("\"\u00E9\"")));
    QVERIFY(!file.finish());
    QCOMPARE(file.unwritableMessage(), QStringLiteral("「\u00E9」(U+00E9)はファイルに書けない文字です。"));
    QCOMPARE(testing::fileLines(path), QStringList{QStringLiteral("old")});
}

void TestWorksheet::nothingToWriteKeepsOldWorksheet() {
    QTemporaryDir dir;
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("2"), 1.0f, 1);
    QVERIFY(WriteWorksheet(state, dir.path()).ok);
    const QStringList before = testing::fileLines(dir.filePath(QStringLiteral("Rrr.csv")));
    SharedState empty;
    const WorksheetWriteResult result = WriteWorksheet(empty, dir.path());
    QVERIFY(!result.ok);
    QVERIFY(!result.errorText.isEmpty());
    QCOMPARE(testing::fileLines(dir.filePath(QStringLiteral("Rrr.csv"))), before);
}

void TestWorksheet::workingFolderIsWritable() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("tracol-worksheet-test"));
    const QString folder = chooseWorkingFolder();
    QVERIFY(!folder.isEmpty());
    QVERIFY(QDir(folder).exists());
    SharedState state;
    addPlainLine(state, 1, QStringLiteral("2"), 1.0f, 1);
    const WorksheetWriteResult result = WriteWorksheet(state, folder);
    QVERIFY2(result.ok, qPrintable(result.errorText));
    QFile::remove(result.path);
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
