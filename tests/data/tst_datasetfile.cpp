// Writing and reading data-set and result files.

#include "data/DataSetFile.h"
#include "data/TextLines.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

QByteArray sjis(const QString& text) {
    const std::optional<QByteArray> bytes = encodeForFile(text);
    return bytes.value_or(QByteArray());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A Line from the image: text, parameter and count as sampling leaves them.
void setSampledLine(SharedState& state, int line, const QString& parameter, const QString& text) {
    state.LineBox[line] = text;
    state.LineText[line] = text;
    state.LineParameter[line] = parameter;
    state.PointCount[line] = static_cast<qint16>(text.count(u','));
}

// A Line prepared by keyboard entry.
void setKeyboardLine(SharedState& state, int line, const QString& parameter, const QStringList& points) {
    state.KeyboardDataActive = true;
    state.LineParameter[line] = parameter;
    state.PointCount[line] = static_cast<qint16>(points.size());
    for (int j = 1; j <= points.size(); ++j) {
        const QStringList xy = points.at(j - 1).split(u';');
        state.PointXText[line][j] = xy.at(0);
        state.PointYText[line][j] = xy.at(1);
    }
}

} // namespace

class TestDataSetFile : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void emptyAllLinesSaveIsZeroBytes();
    void allLinesFromSampledLines();
    void shortLineIsSkipped();
    void emptyLinesInsideALineAreNotWritten();
    void allLinesFromKeyboardEntry();
    void selectedLineUsesParameterBox();
    void selectedLineWithoutPointsWritesNothing();
    void listSaves();
    void allResultsLayoutFromSampledLines();
    void allResultsLayoutFromKeyboardEntry();
    void allResultsIsRefusedByReader();
    void filesAreCodePage932();
    void linesLoadRenumbered();
    void parametersComeBack_data();
    void parametersComeBack();
    void contentRefusals_data();
    void contentRefusals();
    void missingFileIsBadName();
    void blocksBeforeAFailureStayLoaded();
    void partlyReadBlockKeepsCountButIsNotShown();
    void onePointBlockLoads();
    void moreThan100PointsKeepEveryLine_data();
    void moreThan100PointsKeepEveryLine();
    void typedFormsAndEndOfFileMark();
    void headerAsListInputOverLines();
    void roundTrip_data();
    void roundTrip();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();

  private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
};

void TestDataSetFile::init() {
    QVERIFY(dir_.isValid());
}

void TestDataSetFile::emptyAllLinesSaveIsZeroBytes() {
    SharedState state;
    const QString file = path("empty.dat");
    putFile(file, "old content");
    const FileOutcome outcome = writeSaveFile(state, file, kSaveAllLines);
    QVERIFY(outcome.ok);
    QCOMPARE(fileBytes(file), QByteArray());
}

void TestDataSetFile::allLinesFromSampledLines() {
    SharedState state;
    setSampledLine(state, 1, "0.5", "1.25,2.375\r\n3.5,4.125\r\n5.75,6.5\r\n");
    setSampledLine(state, 3, "2", "10.5,20.25\r\n30.5,40.75\r\n");
    QCOMPARE(saveFileText(state, kSaveAllLines),
             QStringLiteral("0.5, 1 , 3\r\n1.25,2.375\r\n3.5,4.125\r\n5.75,6.5\r\n"
                            "2, 1 , 2\r\n10.5,20.25\r\n30.5,40.75\r\n"));
}

void TestDataSetFile::shortLineIsSkipped() {
    SharedState state;
    // One point of one-digit values: 5 characters, 10 or fewer once trimmed.
    setSampledLine(state, 1, "1", "  1,2\r\n   ");
    setSampledLine(state, 2, "2", "1.5,2.25\r\n3.5,4.5\r\n");
    QCOMPARE(saveFileText(state, kSaveAllLines), QStringLiteral("2, 1 , 2\r\n1.5,2.25\r\n3.5,4.5\r\n"));
}

void TestDataSetFile::emptyLinesInsideALineAreNotWritten() {
    SharedState state;
    setSampledLine(state, 1, "7", "\r\n1.5,2.25\r\n\r\n3.5, 4.5\r\n\r\n5.5,6\r\n7");
    state.PointCount[1] = 3;
    QCOMPARE(saveFileText(state, kSaveAllLines),
             QStringLiteral("7, 1 , 3\r\n1.5,2.25\r\n3.5, 4.5\r\n5.5,6\r\n"));
}

void TestDataSetFile::allLinesFromKeyboardEntry() {
    SharedState state;
    setKeyboardLine(state, 1, "ab", {"1;2", "3;4", "5;6"});
    setKeyboardLine(state, 2, "9", {});
    setKeyboardLine(state, 3, "3.5", {"1e3;2D-1"});
    QCOMPARE(saveFileText(state, kSaveAllLines),
             QStringLiteral("ab, 1 , 3\r\n1 , 2\r\n3 , 4\r\n5 , 6\r\n3.5, 1 , 1\r\n1e3 , 2D-1\r\n"));
}

void TestDataSetFile::selectedLineUsesParameterBox() {
    SharedState state;
    setSampledLine(state, 2, "old", "1,2\r\n3,4\r\n");
    const QString text = saveFileText(state, kSaveSelectedLine, {2, "12.5"});
    QCOMPARE(text, QStringLiteral("12.5, 1 , 2\r\n1,2\r\n3,4\r\n"));
}

void TestDataSetFile::selectedLineWithoutPointsWritesNothing() {
    SharedState state;
    const QString file = path("selected.dat");
    const FileOutcome outcome = writeSaveFile(state, file, kSaveSelectedLine, {4, "4"});
    QVERIFY(outcome.ok);
    QCOMPARE(fileBytes(file), QByteArray());
}

void TestDataSetFile::listSaves() {
    SharedState state;
    state.List1 = QStringList{" 1< 1.5,2 >", "C1= 1"};
    state.List4 = QStringList{"１．処理条件", "", "２．関連式"};
    QCOMPARE(saveFileText(state, kSaveRelationFormulas),
             QStringLiteral("１．処理条件\r\n\r\n２．関連式\r\n"));
    QCOMPARE(saveFileText(state, kSaveHistory), QStringLiteral(" 1< 1.5,2 >\r\nC1= 1\r\n"));
    QCOMPARE(saveFileText(state, 3), QString());
}

void TestDataSetFile::allResultsLayoutFromSampledLines() {
    SharedState state;
    setSampledLine(state, 1, "1", "1.5,2.5\r\n3.5,4.5\r\n");
    setSampledLine(state, 2, "2", "5.5,6.5\r\n7.5,8.5\r\n");
    state.List2 = QStringList{"ﾃﾞｰﾀ数=2"};
    state.List3 = QStringList{"Y(1)= 1", "Y(2)= 2"};
    state.List4 = QStringList{"１．処理条件"};
    const QString stars = QString(49, u'*');
    QCOMPARE(saveFileText(state, kSaveAllResults),
             "＜Ｘ／Ｙデータ＞\r\n1, 1 , 2\r\n1.5,2.5\r\n3.5,4.5\r\n2, 1 , 2\r\n5.5,6.5\r\n7.5,8.5\r\n" +
                 stars + "\r\n＜計算結果サマリー＞\r\nﾃﾞｰﾀ数=2\r\n" + stars +
                 "\r\n＜計算式表示＞\r\nY(1)= 1\r\nY(2)= 2\r\n" + stars +
                 "\r\n＜関連式表示＞\r\n１．処理条件\r\n");
}

void TestDataSetFile::allResultsLayoutFromKeyboardEntry() {
    SharedState state;
    setKeyboardLine(state, 1, "1", {"1;2", "3;4"});
    setKeyboardLine(state, 2, "2", {"5;6"});
    const QString text = saveFileText(state, kSaveAllResults);
    QVERIFY(text.startsWith(QStringLiteral(
        "＜Ｘ／Ｙデータ＞\r\n1, 1 , 2\r\n1 , 2\r\n3 , 4\r\n\r\n2, 1 , 1\r\n5 , 6\r\n\r\n*****")));
    QCOMPARE(text.count(QString(49, u'*') + kCrLf), 3);
    QVERIFY(text.endsWith(QStringLiteral("＜関連式表示＞\r\n")));
}

void TestDataSetFile::allResultsIsRefusedByReader() {
    for (bool keyboard : {false, true}) {
        SharedState state;
        if (keyboard)
            setKeyboardLine(state, 1, "1", {"1;2", "3;4"});
        else
            setSampledLine(state, 1, "1", "1.5,2.5\r\n3.5,4.5\r\n");
        state.List2 = QStringList{"a"};
        const QString file = path("results.txt");
        QVERIFY(writeSaveFile(state, file, kSaveAllResults).ok);
        SharedState reader;
        const FileOutcome outcome = readDataSetFile(reader, file);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, QStringLiteral("ﾌｧｲﾙ内容不正"));
    }
}

void TestDataSetFile::filesAreCodePage932() {
    SharedState state;
    setSampledLine(state, 1, "あ", "1.5,2.5\r\n3.5,4.5\r\n");
    const QString file = path("kana.dat");
    QVERIFY(writeSaveFile(state, file, kSaveAllLines).ok);
    QCOMPARE(fileBytes(file), QByteArray("\x82\xa0, 1 , 2\r\n1.5,2.5\r\n3.5,4.5\r\n"));
    SharedState reader;
    QVERIFY(readDataSetFile(reader, file).ok);
    QCOMPARE(reader.LineParameter[1], QStringLiteral("あ"));
}

void TestDataSetFile::linesLoadRenumbered() {
    SharedState state;
    setSampledLine(state, 3, "30", "1.5,2.5\r\n3.5,4.5\r\n");
    setSampledLine(state, 7, "70", "5.5,6.5\r\n7.5,8.5\r\n9.5,10.5\r\n");
    const QString file = path("lines37.dat");
    QVERIFY(writeSaveFile(state, file, kSaveAllLines).ok);

    SharedState reader;
    reader.CurrentLine = 5;
    for (int k = 1; k <= kLineCount; ++k) {
        reader.LineBox[k] = "9,9\r\n";
        reader.PointCount[k] = 1;
        reader.LineParameter[k] = "x";
    }
    const FileOutcome outcome = readDataSetFile(reader, file);
    QVERIFY(outcome.ok);
    QCOMPARE(reader.CurrentLine, qint16(1));
    QCOMPARE(reader.LineParameter[1], QStringLiteral("30"));
    QCOMPARE(reader.LineParameter[2], QStringLiteral("70"));
    QCOMPARE(reader.LineText[1], QStringLiteral("1.5,2.5\r\n3.5,4.5\r\n"));
    QCOMPARE(reader.LineBox[2], QStringLiteral("5.5,6.5\r\n7.5,8.5\r\n9.5,10.5\r\n"));
    QCOMPARE(reader.PointCount[1], qint16(2));
    QCOMPARE(reader.PointCount[2], qint16(3));
    QCOMPARE(reader.LoadedLineCount[2], qint16(3));
    QCOMPARE(reader.LoadedLineKind[2], qint16(1));
    for (int k = 3; k <= kLineCount; ++k) {
        QCOMPARE(reader.PointCount[k], qint16(0));
        QVERIFY(reader.LineBox[k].isEmpty());
        QCOMPARE(reader.LineParameter[k], QString::number(k));
    }
    QCOMPARE(reader.CurrentFileName, QStringLiteral("lines37.dat"));
    QCOMPARE(reader.LastFileName, QStringLiteral("lines37.dat"));
    QCOMPARE(reader.LastDirectory, dir_.path());
}

void TestDataSetFile::parametersComeBack_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0.50") << "0.50"
                          << ".5";
    QTest::newRow("blanks") << "  0.50  "
                            << ".5";
    QTest::newRow("exponent") << "1E+02"
                              << "100";
    QTest::newRow("D exponent") << "2.5D1"
                                << "25";
    QTest::newRow("negative") << "-0.25"
                              << "-.25";
    QTest::newRow("seven digits") << "1234567"
                                  << "1234567";
    QTest::newRow("eight digits") << "12345678"
                                  << "1.234568E+07";
    QTest::newRow("small") << "0.0000125"
                           << "1.25E-05";
    QTest::newRow("letter") << "A"
                            << "A";
    QTest::newRow("letter and digit") << "b2"
                                      << "b2";
    QTest::newRow("number then text") << "2b"
                                      << "2b";
    QTest::newRow("comma inside") << "1,5"
                                  << "1,5";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("beyond Single") << "1E+50"
                                   << "1E+50";
}

void TestDataSetFile::parametersComeBack() {
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const QString file = path("parameter.dat");
    putFile(file, sjis(field + ", 1 , 2\r\n1,2\r\n3,4\r\n"));
    SharedState state;
    const FileOutcome outcome = readDataSetFile(state, file);
    QVERIFY(outcome.ok);
    QCOMPARE(state.LineParameter[1], expected);
    QCOMPARE(state.PointCount[1], qint16(2));
}

void TestDataSetFile::contentRefusals_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("linesKept");
    QTest::addColumn<int>("partlyRead"); // Line whose block was cut: count kept, text not shown
    const QByteArray block = "1, 1 , 2\r\n1.5,2.5\r\n3.5,4.5\r\n";
    QTest::newRow("count 0") << QByteArray("1, 1 , 0\r\n") << 0 << 0;
    QTest::newRow("negative count") << QByteArray("1, 1 , -2\r\n1,2\r\n") << 0 << 0;
    QTest::newRow("kind 2") << QByteArray("1, 2 , 2\r\n1,2\r\n3,4\r\n") << 0 << 0;
    QTest::newRow("kind not a number") << QByteArray("1, a , 2\r\n1,2\r\n3,4\r\n") << 0 << 0;
    QTest::newRow("count not a number") << QByteArray("1, 1 , x\r\n1,2\r\n3,4\r\n") << 0 << 0;
    QTest::newRow("count beyond any Line") << QByteArray("1, 1 , 3E9\r\n1,2\r\n") << 0 << 0;
    QTest::newRow("point without comma") << QByteArray("1, 1 , 2\r\n1.5 2.5\r\n3.5,4.5\r\n") << 0 << 1;
    QTest::newRow("header cut by the end") << block + "2, 1\r\n" << 1 << 0;
    QTest::newRow("header alone") << block + "2\r\n" << 1 << 0;
    QTest::newRow("eleventh block") << block.repeated(11) << 10 << 0;
    QTest::newRow("third block bad") << block + block + "3, 1 , 0\r\n5,6\r\n" << 2 << 0;
    QTest::newRow("undecodable bytes") << block + "\x82, 1 , 2\r\n1,2\r\n3,4\r\n" << 1 << 0;
    QTest::newRow("title line") << sjis(kDataSectionTitle + kCrLf) + block << 0 << 0;
}

void TestDataSetFile::contentRefusals() {
    QFETCH(QByteArray, content);
    QFETCH(int, linesKept);
    QFETCH(int, partlyRead);
    const QString file = path("refused.dat");
    putFile(file, content);
    SharedState state;
    const FileOutcome outcome = readDataSetFile(state, file);
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, QStringLiteral("ﾌｧｲﾙ内容不正"));
    for (int k = 1; k <= kLineCount; ++k) {
        const bool kept = k <= linesKept;
        const bool counted = kept || k == partlyRead;
        QCOMPARE(state.LineBox[k].isEmpty(), !kept);
        QCOMPARE(state.PointCount[k], qint16(counted ? 2 : 0));
        QCOMPARE(state.LineParameter[k], counted ? QStringLiteral("1") : QString::number(k));
    }
}

void TestDataSetFile::missingFileIsBadName() {
    SharedState state;
    state.LineBox[1] = "1,2\r\n";
    state.PointCount[1] = 1;
    const FileOutcome outcome = readDataSetFile(state, path("nothing-here.dat"));
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, QStringLiteral("ﾌｧｲﾙ名不正"));
    QVERIFY(state.LineBox[1].isEmpty());
    QCOMPARE(state.PointCount[1], qint16(0));
    QCOMPARE(state.LineParameter[1], QStringLiteral("1"));
    QVERIFY(!readDataSetFile(state, dir_.path()).ok);
}

void TestDataSetFile::blocksBeforeAFailureStayLoaded() {
    const QString file = path("partial.dat");
    putFile(file, "5, 1 , 2\r\n1,2\r\n3,4\r\n6, 3 , 2\r\n5,6\r\n7,8\r\n");
    SharedState state;
    QVERIFY(!readDataSetFile(state, file).ok);
    QCOMPARE(state.LineParameter[1], QStringLiteral("5"));
    QCOMPARE(state.LineBox[1], QStringLiteral("1,2\r\n3,4\r\n"));
    QCOMPARE(state.LineParameter[2], QStringLiteral("2"));
    QCOMPARE(state.PointCount[2], qint16(0));
}

void TestDataSetFile::partlyReadBlockKeepsCountButIsNotShown() {
    const QString file = path("cut.dat");
    putFile(file, "5, 1 , 2\r\n1,2\r\n3,4\r\n6, 1 , 3\r\n5,6\r\n7,8\r\n");
    SharedState state;
    const FileOutcome outcome = readDataSetFile(state, file);
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, QStringLiteral("ﾌｧｲﾙ内容不正"));
    QCOMPARE(state.LineParameter[2], QStringLiteral("6"));
    QCOMPARE(state.PointCount[2], qint16(3));
    QCOMPARE(state.LineText[2], QStringLiteral("5,6\r\n7,8\r\n"));
    QVERIFY(state.LineBox[2].isEmpty());
}

void TestDataSetFile::onePointBlockLoads() {
    SharedState state;
    setSampledLine(state, 1, "1", "12.5,3.25\r\n");
    const QString file = path("one.dat");
    QVERIFY(writeSaveFile(state, file, kSaveAllLines).ok);
    QCOMPARE(fileBytes(file), QByteArray("1, 1 , 1\r\n12.5,3.25\r\n"));
    SharedState reader;
    QVERIFY(readDataSetFile(reader, file).ok);
    QCOMPARE(reader.PointCount[1], qint16(1));
    QCOMPARE(reader.LineBox[1], QStringLiteral("12.5,3.25\r\n"));
}

void TestDataSetFile::moreThan100PointsKeepEveryLine_data() {
    QTest::addColumn<int>("points");
    QTest::newRow("120") << 120;
    QTest::newRow("beyond the 16-bit range") << 32768;
}

void TestDataSetFile::moreThan100PointsKeepEveryLine() {
    QFETCH(int, points);
    SharedState state;
    QString text;
    for (int i = 1; i <= points; ++i)
        text += QStringLiteral("%1.5,%2.25\r\n").arg(i).arg(i * 2);
    setSampledLine(state, 1, "1", text);
    state.PointCount[1] = 100;
    const QString file = path("many.dat");
    QVERIFY(writeSaveFile(state, file, kSaveAllLines).ok);
    SharedState reader;
    const FileOutcome outcome = readDataSetFile(reader, file);
    QVERIFY(outcome.ok);
    QVERIFY(outcome.pointsBeyondLimit);
    QCOMPARE(reader.PointCount[1], qint16(100));
    QCOMPARE(reader.LoadedLineCount[1], qint16(100));
    QCOMPARE(reader.LineBox[1], text);
}

void TestDataSetFile::typedFormsAndEndOfFileMark() {
    SharedState state;
    setSampledLine(state, 1, QStringLiteral("10\u301C20"), "1.5,2.5\r\n3.5,4.5\r\n");
    const QString file = path("typed.dat");
    QVERIFY(writeSaveFile(state, file, kSaveAllLines).ok);
    QByteArray bytes = fileBytes(file);
    QCOMPARE(bytes, QByteArray("10\x81\x60"
                               "20, 1 , 2\r\n1.5,2.5\r\n3.5,4.5\r\n"));
    putFile(file, bytes + '\x1A');
    SharedState reader;
    QVERIFY(readDataSetFile(reader, file).ok);
    QCOMPARE(reader.LineParameter[1], QStringLiteral("10\uFF5E20")); // the code page's own form
    QCOMPARE(reader.LineBox[1], QStringLiteral("1.5,2.5\r\n3.5,4.5\r\n"));
}

void TestDataSetFile::headerAsListInputOverLines() {
    const QString file = path("list.dat");
    putFile(file, "0.75\r\n1\r\n2\r\n1,2\r\n3,4\r\n\r\n 8 , 1\r\n 2\r\n5,6\r\n7,8\r\n\r\n\r\n");
    SharedState state;
    QVERIFY(readDataSetFile(state, file).ok);
    QCOMPARE(state.LineParameter[1], QStringLiteral(".75"));
    QCOMPARE(state.LineParameter[2], QStringLiteral("8"));
    QCOMPARE(state.LineBox[2], QStringLiteral("5,6\r\n7,8\r\n"));
}

void TestDataSetFile::roundTrip_data() {
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("selected"); // 0: save all Lines, else the Line of a kind 1 save
    QTest::addColumn<QStringList>("expectedTexts");

    const QString a = "1.5,2.25\r\n3.5,4.75\r\n5.5,6.125\r\n";
    const QString b = "-1.5E-03,2.5D+02\r\n 7 , 8 \r\n";
    QTest::newRow("two Lines") << false << QStringList{".5", "10"} << QStringList{a, b} << 0
                               << QStringList{a, b};
    QTest::newRow("Line 2 alone") << false << QStringList{".5", "abc"} << QStringList{a, b} << 2
                                  << QStringList{b};
    QTest::newRow("typing and empty lines")
        << false << QStringList{"3"} << QStringList{"\r\n" + a + "\r\n9"} << 0 << QStringList{a};
    QTest::newRow("no final line end") << false << QStringList{"x y"} << QStringList{"1.5,2.5\r\n3.5,4.5"}
                                       << 1 << QStringList{"1.5,2.5\r\n3.5,4.5\r\n"};
    QTest::newRow("comma parameter") << false << QStringList{"1,000"} << QStringList{a} << 0
                                     << QStringList{a};
    QTest::newRow("keyboard") << true << QStringList{"p", "2"} << QStringList{"1;2|3;4|5;6", "0.5;1E3|2;3"}
                              << 0 << QStringList{"1 , 2\r\n3 , 4\r\n5 , 6\r\n", "0.5 , 1E3\r\n2 , 3\r\n"};
}

void TestDataSetFile::roundTrip() {
    QFETCH(bool, keyboard);
    QFETCH(QStringList, parameters);
    QFETCH(QStringList, texts);
    QFETCH(int, selected);
    QFETCH(QStringList, expectedTexts);

    SharedState state;
    for (int k = 1; k <= texts.size(); ++k) {
        if (keyboard)
            setKeyboardLine(state, k, parameters.at(k - 1), texts.at(k - 1).split(u'|'));
        else
            setSampledLine(state, k, parameters.at(k - 1), texts.at(k - 1));
    }
    const QString file = path("roundtrip.dat");
    const FileOutcome written = selected ? writeSaveFile(state, file, kSaveSelectedLine,
                                                         {qint16(selected), parameters.at(selected - 1)})
                                         : writeSaveFile(state, file, kSaveAllLines);
    QVERIFY(written.ok);

    SharedState reader;
    const FileOutcome read = readDataSetFile(reader, file);
    QVERIFY2(read.ok, qPrintable(QString::fromLatin1(fileBytes(file))));
    for (int k = 1; k <= expectedTexts.size(); ++k) {
        const int from = selected ? selected : k;
        QCOMPARE(reader.LineBox[k], expectedTexts.at(k - 1));
        QCOMPARE(reader.LineParameter[k], parameters.at(from - 1));
        QCOMPARE(reader.PointCount[k], qint16(splitLines(expectedTexts.at(k - 1)).size()));
    }
    QVERIFY(reader.LineBox[expectedTexts.size() + 1].isEmpty());
}

void TestDataSetFile::failedWriteLeavesOldFile_data() {
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<bool>("intoFolder");
    QTest::addColumn<QString>("message");
    QTest::newRow("no code for a character")
        << "ü" << false << QStringLiteral("「ü」(U+00FC)はファイルに書けない文字です。");
    QTest::newRow("target is a folder") << "1" << true << QStringLiteral("書込めません。");
}

void TestDataSetFile::failedWriteLeavesOldFile() {
    QFETCH(QString, parameter);
    QFETCH(bool, intoFolder);
    QFETCH(QString, message);
    SharedState state;
    setSampledLine(state, 1, parameter, "1.5,2.5\r\n3.5,4.5\r\n");
    const QString file = path("keep.dat");
    putFile(file, "1, 1 , 2\r\n1,2\r\n3,4\r\n");
    const FileOutcome outcome = writeSaveFile(state, intoFolder ? dir_.path() : file, kSaveAllLines);
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, message);
    QCOMPARE(fileBytes(file), QByteArray("1, 1 , 2\r\n1,2\r\n3,4\r\n"));
    QVERIFY(!writeSaveFile(state, path("no-such-folder/x.dat"), kSaveAllLines).ok);
}

QTEST_GUILESS_MAIN(TestDataSetFile)
#include "tst_datasetfile.moc"
