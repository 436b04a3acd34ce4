// Report pages put on paper: printed into PDF files through QPrinter and read
// back, every page holds the engine's lines, on the chosen paper, in the
// chosen font, with the margin of blanks in character cells.

#include "PrintedPdf.h"
#include "output/PrintReport.h"
#include "ui/TextPrinting.h"

#include <QtTest>

using namespace tracol;
using testing::PdfPrinter;

namespace {

// Line 1 with three points, Line 2 with ten characters (left out), and an
// equation list long enough for several pages.
SharedState reportState() {
    SharedState state;
    state.LineBox[1] = QStringLiteral("1.5,2.25\r\n2,4\r\n3,9\r\n");
    state.LineParameter[1] = QStringLiteral("0.5");
    state.PointCount[1] = 3;
    state.LineBox[2] = QStringLiteral("1,1\r\n2,2\r\n");
    state.LineParameter[2] = QStringLiteral("2");
    state.PointCount[2] = 2;
    for (int i = 1; i <= 300; ++i)
        state.List3 << QStringLiteral("Y(%1)=%1*X").arg(i);
    return state;
}

QString printReport(SharedState& state, PdfPrinter& printer) {
    const PrintedDocument document = textDocument(resultReport(state).text, QStringLiteral("Tracol_Report"));
    const std::unique_ptr<QPrinter> pdf = printer.source()();
    if (!printDocument(document, *pdf))
        return QString();
    return printer.last();
}

} // namespace

class TestPrintPages : public QObject {
    Q_OBJECT
  private slots:
    void everyPageHoldsTheEnginesLines_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("lastOnFirstPage");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QString>("family");
        // Sixteen lines come before Y(1): six of the header, the data title,
        // Line 1 (an empty line, two of text, three points) and three more.
        QTest::newRow("A4 portrait 8 pt: 98 lines")
            << int(kPaperA4) << int(kPortrait) << 2 << 8 << "Y(82)=82*X"
            << "595 x 842 pts (A4)"
            << "NotoSerifCJK";
        QTest::newRow("A4 portrait 10 pt: 79 lines")
            << int(kPaperA4) << int(kPortrait) << 1 << 10 << "Y(63)=63*X"
            << "595 x 842 pts (A4)"
            << "NotoSansMonoCJK";
        QTest::newRow("B5 landscape 8 pt: 57 lines")
            << int(kPaperB5) << int(kLandscape) << 2 << 8 << "Y(41)=41*X"
            << "729 x 516 pts"
            << "NotoSerifCJK";
    }
    void everyPageHoldsTheEnginesLines() {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(int, font);
        QFETCH(int, size);
        QFETCH(QString, lastOnFirstPage);
        QFETCH(QString, pageSize);
        QFETCH(QString, family);
        SharedState state = reportState();
        state.printSettings.fontIndex = qint16(font);
        state.printSettings.fontSize = qint16(size);
        state.printSettings.paperSize = qint16(paper);
        state.printSettings.orientation = qint16(orientation);
        SharedState copy = state;
        const PrintedText expected = resultReport(copy).text;

        PdfPrinter printer;
        const QString file = printReport(state, printer);
        QVERIFY(!file.isEmpty());
        const QStringList pages = testing::pdfPages(file);
        QCOMPARE(pages.size(), qsizetype(expected.pages.size()));
        for (size_t p = 0; p < expected.pages.size(); ++p)
            QCOMPARE(testing::textLines(pages[p]), testing::textLines(expected.pages[p].join(u'\n')));
        QCOMPARE(testing::textLines(pages[0]).last(), lastOnFirstPage);
        QCOMPARE(testing::textLines(pages.join(QString())).filter(QStringLiteral("Parameter")).size(), 1);
        QCOMPARE(testing::textLines(expected.pages[0].join(u'\n')).last(), lastOnFirstPage);
        QVERIFY2(testing::pdfPageSize(file).startsWith(pageSize), qPrintable(testing::pdfPageSize(file)));
        QVERIFY(testing::pdfFonts(file).contains(family));
    }

    // The monospaced fonts keep the columns, the serif one too: a comma after
    // nine characters of any width (half-width ones one cell, full-width two)
    // stands at the same place on every line.
    void columnsLineUp_data() {
        QTest::addColumn<int>("font");
        QTest::newRow("ＭＳ ゴシック") << 1;
        QTest::newRow("ＭＳ 明朝") << 2;
    }
    void columnsLineUp() {
        QFETCH(int, font);
        SharedState state = reportState();
        state.LineBox[1] = QStringLiteral("1.1,2\r\nMWM,4\r\niil,9\r\n");
        // Ten cells before each comma, as in the point lines (a field of nine and a blank).
        state.List3 = QStringList{QStringLiteral("ＡＢＣＤ= , Ｘ"), QStringLiteral("ﾊﾟﾗﾒｰﾀ=12 , 1"),
                                  QStringLiteral("W=2*X^2+M , 2"), QStringLiteral("Y(11)=1.1 , 3")};
        state.printSettings.fontIndex = qint16(font);
        PdfPrinter printer;
        const QString file = printReport(state, printer);
        const QList<double> commas = testing::wordLefts(file, QStringLiteral(","));
        QCOMPARE(commas.size(), 3 + 4);
        for (double left : commas)
            QVERIFY2(qAbs(left - commas.first()) < 0.05, qPrintable(QString::number(left - commas.first())));
        QCOMPARE(testing::textLines(testing::pdfPages(file).first()).mid(4, 3),
                 (QStringList{"1.1 , 2", "MWM , 4", "iil , 9"}));
    }

    // The margin is blanks of the font: each half an em wide, from the left
    // edge of the printable area, 5 mm in from the paper's.
    void marginIsBlanksOfTheFont_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("blanks");
        QTest::newRow("12 pt") << 12 << 8;
        QTest::newRow("5 pt") << 5 << 19;
    }
    void marginIsBlanksOfTheFont() {
        QFETCH(int, size);
        QFETCH(int, blanks);
        SharedState state = reportState();
        state.printSettings.fontSize = qint16(size);
        PdfPrinter printer;
        const QString file = printReport(state, printer);
        const double paperEdge = 5 / 25.4 * 72;
        QVERIFY(qAbs(testing::wordLeft(file, QStringLiteral("Page")) - (paperEdge + blanks * size / 2.0)) <
                0.5);
        QVERIFY(qAbs(testing::wordLeft(file, QStringLiteral("Parameter")) - testing::wordLeft(file, "Page")) <
                0.1);
    }
};

QTEST_MAIN(TestPrintPages)
#include "tst_print_pages.moc"
