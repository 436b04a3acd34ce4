// The keyboard entry's line counting, point-line splitting, computation start
// and comma conversion.

#include "data/KeyboardEntry.h"

#include "data/DataSetPreparation.h"

#include <QtTest>

using namespace tracol;

namespace {

// Pages as the window holds them after the user typed `data` on each page.
KeyboardPages typedPages(SharedState& state, const QStringList& data, const QStringList& parameters = {}) {
    KeyboardPages pages;
    for (int k = 1; k <= kLineCount; ++k) {
        KeyboardPage& page = pages[k - 1];
        page.parameter = k <= parameters.size() ? parameters.at(k - 1) : QString::number(k);
        page.data = k <= data.size() ? data.at(k - 1) : QString();
        const PageLineCount counted = countPageLines(state, k, page.data);
        page.data = counted.text;
        page.count = QString::number(counted.count);
    }
    return pages;
}

QString rows(int n, const QString& separator = QStringLiteral("\t")) {
    QString text;
    for (int i = 1; i <= n; ++i)
        text += QStringLiteral("%1.5%2%3.25\r\n").arg(i).arg(separator).arg(i * 3);
    return text;
}

} // namespace

class TestKeyboardEntry : public QObject {
    Q_OBJECT
  private slots:
    void countsLines_data();
    void countsLines();
    void splitsPointLines_data();
    void splitsPointLines();
    void computationStart_data();
    void computationStart();
    void startFillsTablesAndOrder();
    void laterPageMessageWins();
    void commaConversion();
    void commaConversionRefusal();
    void conversionKeepsLinesBeyond100();
    void firstLineOfBlanksKeepsThePoints();
};

void TestKeyboardEntry::countsLines_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("count");
    QTest::newRow("two lines") << "1 2\r\n3 4"
                               << "1 2\r\n3 4" << false << 2;
    QTest::newRow("line feeds") << "1 2\n3 4\n"
                                << "1 2\r\n3 4\r\n"
                                << false << 2;
    QTest::newRow("empty lines pasted") << "1 2\r\n\r\n\r\n3 4\r\n\r\n5 6"
                                        << "1 2\r\n3 4\r\n5 6" << true << 3;
    QTest::newRow("leading line break") << "\r\n1 2\r\n3 4\r\n"
                                        << "1 2\r\n3 4\r\n"
                                        << true << 2;
    QTest::newRow("breaks only") << "\r\n\r\n\r\n"
                                 << "" << true << 0;
    QTest::newRow("empty") << ""
                           << "" << false << 0;
}

void TestKeyboardEntry::countsLines() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, changed);
    QFETCH(int, count);
    SharedState state;
    const PageLineCount result = countPageLines(state, 3, box);
    QCOMPARE(result.text, text);
    QCOMPARE(result.textChanged, changed);
    QCOMPARE(int(result.count), count);
    QCOMPARE(int(state.PointCount[3]), count);
}

void TestKeyboardEntry::splitsPointLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("message");
    QTest::newRow("comma") << "1.5,2.5"
                           << "1.5"
                           << "2.5"
                           << "";
    QTest::newRow("comma with blanks") << "  1.5 , 2.5  "
                                       << "1.5"
                                       << "2.5"
                                       << "";
    QTest::newRow("blank run") << "1.5     2.5"
                               << "1.5"
                               << "2.5"
                               << "";
    QTest::newRow("tab") << "1.5\t2.5"
                         << "1.5"
                         << "2.5"
                         << "";
    QTest::newRow("third tab value") << "1.5\t2.5\t9"
                                     << "1.5"
                                     << "2.5"
                                     << "";
    QTest::newRow("third comma value") << "1.5,2.5,9"
                                       << "1.5"
                                       << "2.5"
                                       << "";
    QTest::newRow("tab and comma") << "1.5\t7,2.5"
                                   << "1.5\t7"
                                   << "2.5"
                                   << "X値が異常";
    QTest::newRow("comma after tab value") << "1.5,2.5\t9"
                                           << "1.5"
                                           << "2.5\t9"
                                           << "Y値が異常";
    QTest::newRow("third blank value") << "1.5 2.5 9"
                                       << "1.5"
                                       << "2.5 9"
                                       << "Y値が異常";
    QTest::newRow("no separator") << "1.5"
                                  << ""
                                  << ""
                                  << "X,Yﾃﾞｰﾀ異常";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "X,Yﾃﾞｰﾀ異常";
    QTest::newRow("separator at the end") << "1.5,"
                                          << "1.5"
                                          << ""
                                          << "ﾌﾞﾗﾝｸﾃﾞｰﾀが存在します";
    QTest::newRow("empty X") << ",2"
                             << ""
                             << "2"
                             << "ﾌﾞﾗﾝｸﾃﾞｰﾀが存在します";
    QTest::newRow("bad X") << "a1,2"
                           << "a1"
                           << "2"
                           << "X値が異常";
    QTest::newRow("bad Y") << "1,2x"
                           << "1"
                           << "2x"
                           << "Y値が異常";
    QTest::newRow("exponents") << "1D+3 -2.5e-1"
                               << "1D+3"
                               << "-2.5e-1"
                               << "";
}

void TestKeyboardEntry::splitsPointLines() {
    QFETCH(QString, line);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, message);
    const PointLineSplit split = splitPointLine(line);
    QCOMPARE(split.message, message);
    QCOMPARE(split.x, x);
    QCOMPARE(split.y, y);
}

void TestKeyboardEntry::computationStart_data() {
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("message");
    const QString good = rows(4);
    QTest::newRow("passes") << QStringList{good, good} << QStringList{"", "2"} << "";
    QTest::newRow("no data") << QStringList{"", good} << QStringList{} << "データが無い";
    QTest::newRow("bad line") << QStringList{good, "1 2\r\n3\r\n5 6\r\n"} << QStringList{} << "X,Yﾃﾞｰﾀ異常";
    QTest::newRow("bad Y") << QStringList{good, "1 2\r\n3 4\r\n5 6y\r\n"} << QStringList{} << "Y値が異常";
    QTest::newRow("gap") << QStringList{good, "", good} << QStringList{} << "ﾃﾞｰﾀの無いParameterが有る";
    QTest::newRow("no parameter") << QStringList{good, good} << QStringList{"1", "  "}
                                  << "Parameterの定義がない";
    QTest::newRow("two pairs") << QStringList{good, "1,2\r\n3,4\r\n"} << QStringList{}
                               << "X,Yﾃﾞｰﾀの組が少ない";
}

void TestKeyboardEntry::computationStart() {
    QFETCH(QStringList, data);
    QFETCH(QStringList, parameters);
    QFETCH(QString, message);
    SharedState state;
    const KeyboardPages pages = typedPages(state, data, parameters);
    const KeyboardOutcome outcome = prepareKeyboardComputation(state, pages);
    QCOMPARE(outcome.message, message);
    QVERIFY(state.KeyboardDataActive);
}

void TestKeyboardEntry::startFillsTablesAndOrder() {
    SharedState state;
    KeyboardPages pages = typedPages(state, {rows(3, " , "), rows(12), rows(5, "   ")}, {"9", " 10 ", "9"});
    const KeyboardOutcome outcome = prepareKeyboardComputation(state, pages);
    QVERIFY2(outcome.ok(), qPrintable(outcome.message));
    QCOMPARE(state.LinesInUse, qint16(3));
    QCOMPARE(state.PointXText[1][3], QStringLiteral("3.5"));
    QCOMPARE(state.PointYText[1][3], QStringLiteral("9.25"));
    QCOMPARE(state.PointXText[1][4], QStringLiteral("0"));
    QCOMPARE(state.PointYText[3][5], QStringLiteral("15.25"));
    QCOMPARE(state.LoadedLineCount[2], qint16(12));
    QCOMPARE(state.LoadedLineKind[3], qint16(1));
    QCOMPARE(state.LineParameter[2], QStringLiteral("10"));
    QCOMPARE(state.LineOrder[1], qint16(2));
    QCOMPARE(state.LineOrder[2], qint16(1));
    QCOMPARE(state.LineOrder[3], qint16(3));
    const int expected = addWorkEstimate(addWorkEstimate(addWorkEstimate(0, 3), 12), 5);
    QCOMPARE(int(state.WorkEstimate), expected);
}

void TestKeyboardEntry::laterPageMessageWins() {
    SharedState state;
    // Page 2 has no parameter, page 3 too few pairs: page 3's message shows.
    KeyboardPages pages = typedPages(state, {rows(4), rows(4), rows(2)}, {"1", "", "3"});
    QCOMPARE(prepareKeyboardComputation(state, pages).message, QStringLiteral("X,Yﾃﾞｰﾀの組が少ない"));
    pages = typedPages(state, {rows(4), rows(2), rows(4)}, {"1", "2", ""});
    QCOMPARE(prepareKeyboardComputation(state, pages).message, QStringLiteral("Parameterの定義がない"));
}

void TestKeyboardEntry::commaConversion() {
    SharedState state;
    const KeyboardPages pages =
        typedPages(state, {"1.5   2.5\r\n3.5\t4.5\r\n5.5 , 6.5\r\n", "7 8\r\n9 10\r\n"});
    const CommaConversion result = convertToCommaSeparated(state, pages);
    QVERIFY(result.ok());
    QCOMPARE(result.pages[0].data, QStringLiteral("1.5, 2.5\r\n3.5, 4.5\r\n5.5, 6.5\r\n"));
    QCOMPARE(result.pages[1].data, QStringLiteral("7, 8\r\n9, 10\r\n"));
    QCOMPARE(result.pages[0].count, QStringLiteral("3"));
    QCOMPARE(state.LineText[2], QStringLiteral("7, 8\r\n9, 10\r\n"));
    QCOMPARE(state.PointCount[2], qint16(2));
    QCOMPARE(result.convertedLines, (QList<int>{1, 2}));
}

void TestKeyboardEntry::commaConversionRefusal() {
    SharedState state;
    KeyboardPages pages = typedPages(state, {"1 2\r\n3 4\r\n", "5 6\r\n7\r\n"});
    const CommaConversion refused = convertToCommaSeparated(state, pages);
    QCOMPARE(refused.message, QStringLiteral("Error"));
    QCOMPARE(refused.pages[0].data, pages[0].data);
    pages = typedPages(state, {});
    QCOMPARE(convertToCommaSeparated(state, pages).message, QStringLiteral("Error"));
}

void TestKeyboardEntry::conversionKeepsLinesBeyond100() {
    SharedState state;
    const KeyboardPages pages = typedPages(state, {rows(105)});
    QCOMPARE(pages[0].count, QStringLiteral("100"));
    const CommaConversion result = convertToCommaSeparated(state, pages);
    QVERIFY(result.ok());
    QVERIFY(result.pointsBeyondLimit);
    QCOMPARE(result.pages[0].data, rows(105, ", "));
    QCOMPARE(result.pages[0].count, QStringLiteral("100"));
    const KeyboardOutcome outcome = prepareKeyboardComputation(state, result.pages);
    QVERIFY(outcome.ok());
    QVERIFY(outcome.pointsBeyondLimit);
    QCOMPARE(state.LoadedLineCount[1], qint16(100));
}

// A page starting with a line of blanks alone: the points below it are
// counted, computed and converted, not dropped with the blank line.
void TestKeyboardEntry::firstLineOfBlanksKeepsThePoints() {
    SharedState state;
    const KeyboardPages pages = typedPages(state, {"   \r\n1.5 2.5\r\n3.5,4.5\r\n5.5\t6.5\r\n"});
    QCOMPARE(pages[0].count, QStringLiteral("3"));
    const CommaConversion converted = convertToCommaSeparated(state, pages);
    QVERIFY(converted.ok());
    QCOMPARE(converted.pages[0].data, QStringLiteral("1.5, 2.5\r\n3.5, 4.5\r\n5.5, 6.5\r\n"));
    QCOMPARE(converted.pages[0].count, QStringLiteral("3"));
    const KeyboardOutcome outcome = prepareKeyboardComputation(state, pages);
    QVERIFY2(outcome.ok(), qPrintable(outcome.message));
    QCOMPARE(state.LoadedLineCount[1], qint16(3));
    QCOMPARE(state.PointYText[1][3], QStringLiteral("6.5"));
}

QTEST_GUILESS_MAIN(TestKeyboardEntry)
#include "tst_keyboardentry.moc"
