// tracol-fit run end to end on data files made in a temporary folder.

#include "core/CodePage932.h"
#include "data/DataSetFile.h"
#include "tests/common/FileLines.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace tracol;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runFit(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TRACOL_FIT_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void putFile(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = encodeForFile(text).value_or(QByteArray());
    QCOMPARE(file.write(bytes), bytes.size());
}

// Points of y = a x^2 + b x + c at x = start, start + 1, ...
QString curve(double a, double b, double c, int n, double start = 1.5) {
    QString text;
    for (int i = 0; i < n; ++i) {
        const double x = start + i;
        text += QStringLiteral("%1,%2\r\n").arg(x).arg(a * x * x + b * x + c);
    }
    return text;
}

QString block(const QString& parameter, const QString& points) {
    return dataSetHeader(parameter, points.count(QStringLiteral("\r\n"))) + QStringLiteral("\r\n") + points;
}

} // namespace

class TestTracolFit : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void helpDescribesEverything();
    void versionIsTheProjects();
    void commandLineRefusals_data();
    void commandLineRefusals();
    void fileRefusals_data();
    void fileRefusals();
    void conditionRefusals_data();
    void conditionRefusals();
    void worksheetAndCsvAreWritten();
    void everyConditionEndToEnd_data();
    void everyConditionEndToEnd();
    void csvExtensionIsNoticed_data();
    void csvExtensionIsNoticed();
    void unwritableExtraOutput_data();
    void unwritableExtraOutput();
    void printsTheListsInUtf8();
    void traceComesFirst();
    void conditionsReachTheReport();
    void resultFileHasItsSections();
    void unwritableResultFile();
    void garbageIsRefused();
    void pointsBeyond100AreNoticed();

  private:
    QTemporaryDir dir_;
    QString twoLines_;
    QString path(const QString& name) const { return dir_.filePath(name); }
};

void TestTracolFit::initTestCase() {
    QVERIFY(dir_.isValid());
    twoLines_ = path("two.dat");
    putFile(twoLines_, block("0.5", curve(0, 2.385, 1.25, 8)) + block("1.5", curve(0.75, -1.5, 4.125, 9)));
}

void TestTracolFit::helpDescribesEverything() {
    const Run run = runFit({"--help"});
    QCOMPARE(run.status, 0);
    for (const char* option : {"--cutoff", "--mode", "--sections", "--systems", "--trace", "--result",
                               "--worksheet", "--csv", "DATAFILE", "Exit status"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
    QVERIFY(run.out.contains(QStringLiteral("全結果保存")));
    // Every output the command writes is described as available.
    QVERIFY2(!run.out.contains(QLatin1String("not available")), qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral("--mode=1")));
}

void TestTracolFit::versionIsTheProjects() {
    const Run run = runFit({"--version"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("tracol-fit " TRACOL_VERSION "\n"));
}

void TestTracolFit::commandLineRefusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList{} << "no DATAFILE";
    QTest::newRow("two files") << QStringList{"a.dat", "b.dat"} << "only one DATAFILE";
    QTest::newRow("unknown option") << QStringList{"--fast", "a.dat"} << "unknown option --fast";
    QTest::newRow("missing value") << QStringList{"a.dat", "--cutoff"} << "--cutoff needs a value";
}

void TestTracolFit::commandLineRefusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runFit(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("usage:")));
    QVERIFY(run.out.isEmpty());
}

void TestTracolFit::fileRefusals_data() {
    QTest::addColumn<QString>("content"); // null: no file at all
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QString() << 1 << "ﾌｧｲﾙ名不正";
    QTest::newRow("results file") << kDataSectionTitle + "\r\n" + block("1", curve(0, 1, 1, 5)) << 2
                                  << "ﾌｧｲﾙ内容不正";
    QTest::newRow("kind 2") << QStringLiteral("1, 2 , 2\r\n1,2\r\n3,4\r\n") << 2 << "ﾌｧｲﾙ内容不正";
    QTest::newRow("empty file") << QStringLiteral("") << 2 << "データが無い";
    QTest::newRow("two points") << block("1", curve(0, 1, 1, 2)) << 2 << "データが少ない";
    QTest::newRow("letters") << block("1", "1.5,2\r\n2.5,x\r\n3.5,4\r\n") << 2 << "数値として判断されない";
    QTest::newRow("empty Y") << block("1", "1.5,2\r\n2.5,\r\n3.5,4\r\n") << 2 << "X,Yデータがどちらか欠損";
}

void TestTracolFit::fileRefusals() {
    QFETCH(QString, content);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString file = path(QStringLiteral("refused-%1.dat").arg(QTest::currentDataTag()));
    if (!content.isNull())
        putFile(file, content);
    const Run run = runFit({file});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestTracolFit::conditionRefusals_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("cutoff 0.75") << QStringList{"--cutoff", "0.75"} << "--cutoff 0.75: 入力ｴﾗｰ";
    QTest::newRow("cutoff 0") << QStringList{"--cutoff", "0"} << "--cutoff 0: 入力ｴﾗｰ";
    QTest::newRow("cutoff letters") << QStringList{"--cutoff=1E-3x"} << "--cutoff 1E-3x: 入力ｴﾗｰ";
    QTest::newRow("mode 3") << QStringList{"--mode", "3"} << "--mode 3: 入力ｴﾗｰ";
    QTest::newRow("mode 1.0") << QStringList{"--mode", "1.0"} << "--mode 1.0: 入力ｴﾗｰ";
    QTest::newRow("sections 4") << QStringList{"--sections", "4"} << "--sections 4: 入力ｴﾗｰ";
    QTest::newRow("sections 0.4") << QStringList{"--sections", "0.4"} << "--sections 0.4: 入力ｴﾗｰ";
    QTest::newRow("no system") << QStringList{"--systems", ""} << "計算座標系なし";
    QTest::newRow("letter H") << QStringList{"--systems", "AH"} << "--systems AH: 入力ｴﾗｰ";
}

void TestTracolFit::conditionRefusals() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const Run run = runFit(options + QStringList{twoLines_});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestTracolFit::worksheetAndCsvAreWritten() {
    const QString worksheet = path("sheet.csv");
    const QString csv = path("graph.csv");
    const Run run = runFit({"--worksheet", worksheet, "--csv", csv, twoLines_});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));

    // Two Lines: the straight-line layout, Parameter table from row 15.
    const QStringList sheet = tracol::testing::fileLines(worksheet);
    QCOMPARE(sheet.size(), 17);
    QVERIFY(sheet[0].startsWith(QStringLiteral("\"X=\",\" 5\",\"\",\"0.05\"")));
    QVERIFY(sheet[1].startsWith(QStringLiteral("\"Para=\",\" 1\"")));
    QVERIFY(sheet[3].contains(QStringLiteral("K1*B2+K2")));
    QVERIFY(sheet[8].startsWith(QStringLiteral("\" .5\",\"=2.385*$B$1+1.25\"")));
    QCOMPARE(sheet[14], QStringLiteral("\"Parameter\",\"\",\"Flg\""));

    // Graph data: 8 + 9 data rows, then curve rows in the Line columns.
    const QStringList graph = tracol::testing::fileLines(csv);
    QCOMPARE(graph.first(), QStringLiteral("X_Data,Data1,Data2,Line1,Line2"));
    QCOMPARE(graph[1], QStringLiteral("1.5,4.8275"));
    QCOMPARE(graph[9], QStringLiteral("1.5,,3.5625"));
    const QStringList curves = graph.mid(18);
    QVERIFY(curves.size() >= 30);
    // The first curve point of Parameter 0.5: X = 1.5, Y = 2.385 X + 1.25.
    QVERIFY(curves.first().startsWith(QStringLiteral("1.5,,,")));
    QVERIFY(std::fabs(curves.first().section(u',', 3).toDouble() - 4.8275) < 1e-4);
    for (const QString& row : curves)
        QVERIFY(row.count(u',') == 3 || row.count(u',') == 4);
}

void TestTracolFit::everyConditionEndToEnd_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("sections");
    const char* const modeNames[] = {"最高誤差", "平均誤差", "上位２式平均誤差"};
    for (int mode = 0; mode <= 2; ++mode) {
        for (int sections = 1; sections <= 3; ++sections)
            QTest::addRow("mode %d, %d sections (%s)", mode, sections, modeNames[mode]) << mode << sections;
    }
}

// Four Lines of bent, noisy data given out of parameter order, all seven
// systems: every list, the result file, the worksheet and the graph data
// must agree with each other for every mode and section limit.
void TestTracolFit::everyConditionEndToEnd() {
    QFETCH(int, mode);
    QFETCH(int, sections);
    const QString data = path("bent.dat");
    if (!QFile::exists(data)) {
        QString text;
        const double parameters[] = {20, 5, 10, 7.5};
        for (int line = 0; line < 4; ++line) {
            QString points;
            const int count = 16 + 7 * line;
            for (int i = 0; i < count; ++i) {
                const double x = 0.5 + 0.37 * i;
                const double y = (1 + 0.1 * parameters[line]) * std::exp(0.3 * x) + 0.05 * std::sin(1.7 * i);
                points += QStringLiteral("%1,%2\r\n").arg(x).arg(y, 0, 'g', 6);
            }
            text += block(QString::number(parameters[line]), points);
        }
        putFile(data, text);
    }
    const QString result = path(QStringLiteral("result%1%2.txt").arg(mode).arg(sections));
    const QString sheet = path(QStringLiteral("sheet%1%2.csv").arg(mode).arg(sections));
    const QString graph = path(QStringLiteral("graph%1%2.csv").arg(mode).arg(sections));
    const Run run =
        runFit({"--systems", "ABCDEFG", "--mode", QString::number(mode), "--sections",
                QString::number(sections), "--result", result, "--worksheet", sheet, "--csv", graph, data});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QStringList out = run.out.split(u'\n', Qt::SkipEmptyParts);

    // List2: per Line 1..sections sections; adjacent sections share their boundary point.
    int storedSections = 0;
    int lineSections = 0;
    int previousLast = 0;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i].startsWith(QStringLiteral("ﾃﾞｰﾀ数="))) {
            const int first = out[i + 1].mid(5).section(QStringLiteral("--"), 0, 0).toInt();
            const int last = out[i + 2].mid(5).section(QStringLiteral("--"), 0, 0).toInt();
            QCOMPARE(first, lineSections == 0 ? 1 : previousLast);
            QVERIFY(last >= first);
            previousLast = last;
            ++lineSections;
            ++storedSections;
        } else if (out[i].startsWith(QStringLiteral("平均誤差=")) ||
                   out[i].startsWith(QStringLiteral("最大誤差="))) {
            QVERIFY(lineSections >= 1 && lineSections <= sections);
            QCOMPARE(out[i].left(4), mode == 0 ? QStringLiteral("最大誤差") : QStringLiteral("平均誤差"));
            lineSections = 0;
        }
    }
    QVERIFY(storedSections >= 4);
    if (sections == 1)
        QCOMPARE(storedSections, 4);

    // List4: the multi-Line texts, all seven systems, one relation per section.
    const char* const modeNames[] = {"最高誤差", "平均誤差", "上位２式平均誤差"};
    QVERIFY(out.contains(QStringLiteral("　    (2)誤差評価方法　：") + QString::fromUtf8(modeNames[mode])));
    QVERIFY(out.contains(QStringLiteral("　    (3)最高分割数　　： %1").arg(sections)));
    const qsizetype systems = std::count_if(out.begin(), out.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("  　                      ")) &&
               line.endsWith(QStringLiteral("座標系"));
    });
    QCOMPARE(systems, 7);
    const qsizetype relations = std::count_if(out.begin(), out.end(), [](const QString& line) {
        // eight blanks before a Line's only relation, nine before each of two or three
        return line.startsWith(QStringLiteral("        ")) && line.trimmed().startsWith(QStringLiteral("Y("));
    });
    QCOMPARE(relations, qsizetype(storedSections));
    QVERIFY(out.contains(QStringLiteral("  パラメータ 1 ＝ 10"))); // "10" sorts before "20", "5" and "7.5"
    QVERIFY(out.contains(QStringLiteral("  パラメータ 4 ＝ 7.5")));

    // The result file carries the printed lists unchanged.
    const QStringList saved = tracol::testing::fileLines(result);
    const qsizetype summary = saved.indexOf(QStringLiteral("＜計算結果サマリー＞"));
    const qsizetype equations = saved.indexOf(QStringLiteral("＜計算式表示＞"));
    const qsizetype relationTitle = saved.indexOf(QStringLiteral("＜関連式表示＞"));
    QVERIFY(summary > 0 && equations > summary && relationTitle > equations);
    QCOMPARE(saved.first(), QStringLiteral("＜Ｘ／Ｙデータ＞"));
    QCOMPARE(saved.mid(summary + 1, equations - summary - 2), out.mid(0, equations - summary - 2));

    // Worksheet: 8 head rows, three rows per Line, the table title and one row per Line.
    QCOMPARE(tracol::testing::fileLines(sheet).size(), 4 * 4 + 9);

    // Graph data: 4 data columns by Line number, curve rows in the Line columns.
    const QStringList rows = tracol::testing::fileLines(graph);
    QCOMPARE(rows.first(), QStringLiteral("X_Data,Data1,Data2,Data3,Data4,Line1,Line2,Line3,Line4"));
    const int dataRows = 16 + 23 + 30 + 37;
    for (int r = 1; r <= dataRows; ++r)
        QVERIFY(rows[r].count(u',') >= 1 && rows[r].count(u',') <= 4);
    QVERIFY(rows.size() > 1 + dataRows + 4);
    for (qsizetype r = 1 + dataRows; r < rows.size(); ++r)
        QVERIFY2(rows[r].count(u',') >= 5 && rows[r].count(u',') <= 8, qPrintable(rows[r]));
}

void TestTracolFit::csvExtensionIsNoticed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("noticed");
    QTest::newRow("csv") << "graph.csv" << false;
    QTest::newRow("capitals") << "GRAPH.CSV" << false;
    QTest::newRow("four characters") << "graph.csvx" << false;
    QTest::newRow("txt") << "graph.txt" << true;
    QTest::newRow("none") << "graph" << true;
}

// A graph-data name that the save dialog would question is written all the
// same, with the dialog's question on standard error.
void TestTracolFit::csvExtensionIsNoticed() {
    QFETCH(QString, name);
    QFETCH(bool, noticed);
    const QString target = path(name);
    const Run run = runFit({"--csv", target, twoLines_});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err.contains(QStringLiteral("拡張子がCSVではない。ＯＫ？")), noticed);
    QVERIFY(QFile::exists(target));
}

void TestTracolFit::unwritableExtraOutput_data() {
    QTest::addColumn<QString>("option");
    QTest::newRow("worksheet") << "--worksheet";
    QTest::newRow("csv") << "--csv";
}

void TestTracolFit::unwritableExtraOutput() {
    QFETCH(QString, option);
    const QString target = path("no-folder/extra.csv");
    const Run run = runFit({option, target, twoLines_});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QStringLiteral("書込めません。: ") + target), qPrintable(run.err));
    QVERIFY(run.out.contains(QStringLiteral("１．処理条件"))); // the computation still ran and reported
}

void TestTracolFit::printsTheListsInUtf8() {
    const Run run = runFit({twoLines_});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    // List2, List3, List4 in this order; no trace.
    const qsizetype details = run.out.indexOf(QStringLiteral("ﾃﾞｰﾀ数=8  ﾊﾟﾗﾒｰﾀ=.5"));
    const qsizetype relation = run.out.indexOf(QStringLiteral("Y(1)="));
    const qsizetype report = run.out.indexOf(QStringLiteral("１．処理条件"));
    QVERIFY(details >= 0);
    QVERIFY(relation > details);
    QVERIFY(report > relation);
    QVERIFY(run.out.contains(QStringLiteral("ﾊﾟﾗﾒｰﾀ=1.5")));
    QVERIFY(run.out.contains(QStringLiteral("Total Parameter No. = 2")));
    QVERIFY(run.out.contains(QStringLiteral("上位２式平均誤差")));
    QVERIFY(!run.out.contains(QStringLiteral("Deviation <<<")));
}

void TestTracolFit::traceComesFirst() {
    const Run run = runFit({"--trace", twoLines_});
    QCOMPARE(run.status, 0);
    const qsizetype trace = run.out.indexOf(QStringLiteral("Deviation <<<"));
    QVERIFY(trace >= 0);
    QVERIFY(trace < run.out.indexOf(QStringLiteral("ﾃﾞｰﾀ数=")));
}

void TestTracolFit::conditionsReachTheReport() {
    const Run run =
        runFit({"--mode", "0", "--sections", "2.5", "--systems", "abcdefg", "--cutoff", "7.6D-3", twoLines_});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QStringLiteral("最高誤差")));
    QVERIFY(run.out.contains(QStringLiteral("最大誤差=")));
    QVERIFY(run.out.contains(QStringLiteral("1/X - 1/Y 座標系")));
    QVERIFY(run.out.contains(QStringLiteral("(3)最高分割数　　： 2")));
}

void TestTracolFit::resultFileHasItsSections() {
    const QString result = path("all-results.txt");
    const Run run = runFit({"--result", result, twoLines_});
    QCOMPARE(run.status, 0);
    QFile file(result);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<QString> decoded = cp932::decode(file.readAll());
    QVERIFY(decoded);
    const QString text = *decoded;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.first(), QStringLiteral("＜Ｘ／Ｙデータ＞"));
    QCOMPARE(lines.at(1), QStringLiteral(".5, 1 , 8"));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(lines.count(QString(49, u'*')), 3);
    const qsizetype summary = lines.indexOf(QStringLiteral("＜計算結果サマリー＞"));
    const qsizetype equations = lines.indexOf(QStringLiteral("＜計算式表示＞"));
    const qsizetype relations = lines.indexOf(QStringLiteral("＜関連式表示＞"));
    QVERIFY(summary > 0 && equations > summary && relations > equations);
    QCOMPARE(lines.at(summary - 1), QString(49, u'*'));
    QVERIFY(lines.at(summary + 1).startsWith(QStringLiteral("ﾃﾞｰﾀ数=")));
    QCOMPARE(lines.at(relations + 1), QStringLiteral("１．処理条件"));
    // Every list line printed is in the file, and the reader refuses the file.
    for (const QString& line : run.out.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(lines.contains(line), qPrintable(line));
    SharedState state;
    QCOMPARE(readDataSetFile(state, result).message, QStringLiteral("ﾌｧｲﾙ内容不正"));
}

void TestTracolFit::unwritableResultFile() {
    const Run run = runFit({"--result", dir_.path(), twoLines_});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QStringLiteral("書込めません。")), qPrintable(run.err));
    QVERIFY(run.out.contains(QStringLiteral("１．処理条件")));
    const Run missingFolder = runFit({"--result", path("no-folder/r.txt"), twoLines_});
    QCOMPARE(missingFolder.status, 1);
}

void TestTracolFit::garbageIsRefused() {
    const QString file = path("garbage.bin");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QByteArray bytes;
    quint32 seed = 2385;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes.append(static_cast<char>(seed >> 24));
    }
    out.write(bytes);
    out.close();
    const Run run = runFit({file});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(QStringLiteral("ﾌｧｲﾙ内容不正")), qPrintable(run.err));
}

void TestTracolFit::pointsBeyond100AreNoticed() {
    const QString file = path("many.dat");
    putFile(file, block("2", curve(0, 1.5, 0.25, 120)));
    const Run run = runFit({"--trace", file});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.contains(QStringLiteral("先頭の100点のみ")), qPrintable(run.err));
    QVERIFY(run.out.contains(QStringLiteral("ﾃﾞｰﾀ数=100  ﾊﾟﾗﾒｰﾀ=2")));
    QVERIFY(run.out.contains(QStringLiteral("00< 100.5,151 >")));
}

QTEST_GUILESS_MAIN(TestTracolFit)
#include "tst_tracolfit.moc"
