// The printed report and relation output as pages of text lines: paging by
// paper, orientation and size, margins, the data sets, the annotations.

#include "output/PrintPageRules.h"
#include "output/PrintReport.h"

#include <QTest>

using namespace tracol;

namespace {

// A state whose equation list has `lines` lines, so that the report pages.
SharedState stateWithEquationLines(int lines) {
    SharedState state;
    for (int i = 1; i <= lines; ++i)
        state.List3 << QStringLiteral("Y(%1)=%1*X").arg(i);
    return state;
}

SharedState computedState() {
    SharedState state;
    state.LineBox[1] = QStringLiteral("1.5,2.25\r\n2,4\r\n123456789012,3\r\n");
    state.LineParameter[1] = QStringLiteral("10");
    state.PointCount[1] = 3;
    state.LineBox[2] = QStringLiteral("1,1\r\n2,2\r\n"); // ten characters: left out
    state.PointCount[2] = 2;
    state.List2 = QStringList{QStringLiteral("ﾃﾞｰﾀ数=3  ﾊﾟﾗﾒｰﾀ=10"),      QStringLiteral("<誤差=0.0012>"),
                              QStringLiteral("------------------------"), QStringLiteral("<誤差=0.0034>"),
                              QStringLiteral("========================"), QStringLiteral("平均誤差= 0.0023")};
    state.List3 = QStringList{QStringLiteral("Y(1)=2*X")};
    state.List4 = QStringList{QStringLiteral("２．関連式"), QStringLiteral("  パラメータ 1 ＝ 10"),
                              QStringLiteral("  (Eq.1)  1.5 ＜ Ｘ ＜2"), QStringLiteral("        Y(1)=2*X"),
                              QStringLiteral("  (Eq.2) 2 ＜ Ｘ ＜ 12")};
    return state;
}

QStringList allLines(const PrintedText& text) {
    QStringList lines;
    for (const QStringList& page : text.pages)
        lines << page;
    return lines;
}

} // namespace

class TestPrintReport : public QObject {
    Q_OBJECT
  private slots:
    void pagesBreakAtTheLineLimit_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("size");
        QTest::addColumn<float>("limit");
        QTest::addColumn<int>("firstPageLines");
        QTest::newRow("A4 portrait 8 pt") << int(kPaperA4) << int(kPortrait) << 8 << 98.0f << 98;
        QTest::newRow("A4 portrait 10 pt: 78.2") << int(kPaperA4) << int(kPortrait) << 10 << 78.2f << 79;
        QTest::newRow("B5 landscape 8 pt") << int(kPaperB5) << int(kLandscape) << 8 << 57.0f << 57;
        QTest::newRow("A3 landscape 12 pt") << int(kPaperA3) << int(kLandscape) << 12 << 65.0f << 65;
        QTest::newRow("B4 portrait 18 pt")
            << int(kPaperB4) << int(kPortrait) << 18 << float(119 * 8 / 18.0 - 1) << 52;
        QTest::newRow("an unknown paper is A4") << 1 << int(kLandscape) << 8 << 67.0f << 67;
    }
    void pagesBreakAtTheLineLimit() {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(int, size);
        QFETCH(float, limit);
        QFETCH(int, firstPageLines);
        QCOMPARE(lineLimit(qint16(paper), qint16(orientation), size), limit);

        SharedState state = stateWithEquationLines(400);
        state.printSettings.fontSize = qint16(size);
        state.printSettings.paperSize = qint16(paper);
        state.printSettings.orientation = qint16(orientation);
        const PrintedText text = resultReport(state).text;
        QVERIFY(text.pages.size() >= 3);
        QCOMPARE(text.pages[0].size(), firstPageLines);
        // NNPP: the next page starts with an empty line, five more and its
        // number, and counts 7; it holds as many lines as the first.
        const QStringList top = text.pages[1].mid(0, 7);
        QCOMPARE(top, QStringList(6, QString()) << QStringLiteral("        Page 2"));
        QCOMPARE(text.pages[1].size(), firstPageLines);
        QCOMPARE(text.pages[2][6], QStringLiteral("        Page 3"));
        for (const QStringList& page : text.pages)
            QVERIFY(page.size() <= text.linesPerPage);
        QCOMPARE(allLines(text).filter(QStringLiteral("=")).size(), 400);
    }

    void marginFollowsTheSize_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("blanks");
        QTest::newRow("8 pt") << 8 << 12;
        QTest::newRow("12 pt") << 12 << 8;
        QTest::newRow("5 pt: 19.2") << 5 << 19;
        QTest::newRow("11 pt: 8.7") << 11 << 9;
    }
    void marginFollowsTheSize() {
        QFETCH(int, size);
        QFETCH(int, blanks);
        SharedState state = computedState();
        state.printSettings.fontSize = qint16(size);
        const QStringList page = resultReport(state).text.pages.at(0);
        const QString margin(blanks, u' ');
        QCOMPARE(page.mid(0, 5), QStringList(5, margin));
        QCOMPARE(page[5], margin + QStringLiteral("Page 1"));
        QCOMPARE(page[6], margin + QStringLiteral("＜Ｘ／Ｙデータ＞"));
    }

    void fontIsTheChosenOneOnceASizeWasChosen() {
        SharedState state;
        state.printSettings.fontIndex = 3;
        PrintedText text = resultReport(state).text;
        QCOMPARE(text.fontName, QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(text.pointSize, 8);
        state.printSettings.fontSize = 14;
        text = relationFormulaReport(state).text;
        QCOMPARE(text.fontName, QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(text.pointSize, 14);
    }

    void reportHoldsDataSetsEquationsAndAnnotatedRelations() {
        SharedState state = computedState();
        const QString m(12, u' ');
        const QStringList expected = {
            m + "＜Ｘ／Ｙデータ＞",
            m,
            m + "Parameter   = 10",
            m + "Data Number =  3",
            m + "      1.5 ,     2.25",
            m + "        2 ,        4",
            m + "456789012 ,        3", // longer texts keep their last 9 characters
            m,
            m,
            m + "＜計算式表示＞",
            m + "Y(1)=2*X",
            m + QString(78, u'-'),
            m + "＜関連式表示＞",
            m + "２．関連式",
            m + "  パラメータ 1 ＝ 10   --- 平均誤差= 0.0023",
            m + "  (Eq.1)  1.5 ＜ Ｘ ＜2   --- <誤差=0.0012>",
            m + "        Y(1)=2*X",
            m + "  (Eq.2) 2 ＜ Ｘ ＜ 12   --- <誤差=0.0034>",
        };
        QCOMPARE(allLines(resultReport(state).text).mid(6), expected);
    }

    // Blanks are trimmed from a Line's text, its line ends are not: ten
    // characters are left out, eleven are printed.
    void aLineOfTenCharactersOrFewerIsLeftOut_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("printed");
        QTest::newRow("10 characters") << "1,1\r\n2,2\r\n" << false;
        QTest::newRow("11 characters") << "1,1\r\n2,22\r\n" << true;
        QTest::newRow("10 characters within blanks") << "  1,1\r\n2,2\r\n " << false;
    }
    void aLineOfTenCharactersOrFewerIsLeftOut() {
        QFETCH(QString, text);
        QFETCH(bool, printed);
        SharedState state = computedState();
        state.LineBox[2] = text;
        state.LineParameter[2] = QStringLiteral("20");
        const QStringList lines = allLines(resultReport(state).text);
        QCOMPARE(lines.contains(QString(12, u' ') + QStringLiteral("Parameter   = 20")), printed);
    }

    void keyboardDataPrintsThePointTexts() {
        SharedState state = computedState();
        state.KeyboardDataActive = true;
        state.LineText[1] = QStringLiteral("1 2\r\n3 4\r\n5 6\r\n");
        state.LineParameter[1] = QStringLiteral("a");
        state.PointCount[1] = 2;
        state.PointXText[1][1] = QStringLiteral("1");
        state.PointYText[1][1] = QStringLiteral("2");
        state.PointXText[1][2] = QStringLiteral("3");
        state.PointYText[1][2] = QStringLiteral("4");
        const QStringList lines = allLines(resultReport(state).text).mid(7, 5);
        const QString m(12, u' ');
        QCOMPARE(lines,
                 (QStringList{m, m + "Parameter   = a", m + "Data Number =  2", m + "1 , 2", m + "3 , 4"}));
    }

    // With the largest error as the error mode, the Line's error line reads
    // "最大誤差=": it annotates the Line, never a section.
    void largestErrorLinesAnnotateTheLine() {
        SharedState state = computedState();
        state.List2.replace(5, QStringLiteral("最大誤差= 0.0034"));
        state.List2 << QStringLiteral("<誤差=0.0050>") << QStringLiteral("最大誤差= 0.0050");
        resultReport(state);
        QCOMPARE(state.printSettings.parameterErrorLines,
                 (QStringList{QStringLiteral("最大誤差= 0.0034"), QStringLiteral("最大誤差= 0.0050")}));
        QCOMPARE(state.printSettings.equationErrorLines.size(), 3);
    }

    void relationOutputUsesTheLastReportsAnnotations() {
        SharedState state = computedState();
        const QStringList before = allLines(relationFormulaReport(state).text);
        QCOMPARE(before.first(), QStringLiteral("          ＜関連式出力＞"));
        QVERIFY(before.filter(QStringLiteral("---")).isEmpty());
        QCOMPARE(before.mid(1, 5), state.List4);
        QCOMPARE(before.mid(6), (QStringList{QString(), QStringLiteral("        Page 1")}));

        resultReport(state);
        const QStringList after = allLines(relationFormulaReport(state).text);
        QCOMPARE(after[2], QStringLiteral("  パラメータ 1 ＝ 10   --- 平均誤差= 0.0023"));
        QCOMPARE(after[5], QStringLiteral("  (Eq.2) 2 ＜ Ｘ ＜ 12   --- <誤差=0.0034>"));
    }

    void relationOutputNumbersEveryPageAtItsFoot() {
        SharedState state;
        for (int i = 0; i < 150; ++i)
            state.List4 << QStringLiteral("  (Eq.1) %1").arg(i);
        const PrintedText text = relationFormulaReport(state).text; // limit 98
        QCOMPARE(text.pages.size(), size_t(2));
        QCOMPARE(text.pages[0].size(), 98);
        QCOMPARE(text.pages[0].mid(96), (QStringList{QString(), QStringLiteral("        Page 1")}));
        QCOMPARE(text.pages[1].last(), QStringLiteral("        Page 2"));
        QCOMPARE(text.pages[1].size(), 151 - 96 + 2);
    }

    void pendingGraphIsHandledOnce() {
        SharedState state;
        state.printSettings.GraphPrintPending = kGraphPending;
        QVERIFY(resultReport(state).graphWasPending);
        QCOMPARE(state.printSettings.GraphPrintPending, qint16(kGraphHandledByReport));
        QVERIFY(!resultReport(state).graphWasPending);
        state.printSettings.GraphPrintPending = kGraphPending;
        QVERIFY(relationFormulaReport(state).graphWasPending);
        QCOMPARE(state.printSettings.GraphPrintPending, qint16(kNoGraphPending));
    }

    void paperNames() {
        QCOMPARE(paperName(kPaperB4), QStringLiteral("B4"));
        QCOMPARE(paperName(kPaperA5), QStringLiteral("Unkown"));
    }
};

QTEST_GUILESS_MAIN(TestPrintReport)
#include "tst_printreport.moc"
