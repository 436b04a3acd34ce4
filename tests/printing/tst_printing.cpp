// Printing through the real windows after a real computation: the report of
// the computation screen's "印刷" with and without the print settings, the
// plot screen's graph, hard copy and relation output, and the PDF file
// offered where no printer is configured.

#include "PrintedPdf.h"
#include "output/PlotModel.h"
#include "output/PrintReport.h"
#include "tests/fitwindows/ComputationFixture.h"
#include "ui/PlotPrinting.h"

#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>

using namespace tracol;
using testing::ComputationFixture;
using testing::PdfPrinter;

namespace {

// The computation run, every document going into a PDF file.
struct PrintingFixture : ComputationFixture {
    PdfPrinter printer;

    PrintingFixture() {
        windows.printOutput().setPrinterSource(printer.source());
        openFromDataSetWindow();
        start();
    }
    QStringList lastPages() const { return testing::pdfPages(printer.last()); }
    QString lastText() const { return testing::textLines(lastPages().join(u'\n')).join(u'\n'); }
    PlotData plot() {
        PlotRequest request;
        request.range = plotRangeTexts(standardPlotRange(state, {}));
        request.fittingRun = true;
        return gatherPlotData(state, request);
    }
};

QStringList expectedLines(const QStringList& page) {
    return testing::textLines(page.join(u'\n'));
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
  private slots:
    void reportWithoutSettingsIsMinchoAt8PointsOnA4() {
        PrintingFixture f;
        QVERIFY(f.screen()->findChild<QAction*>("PROUTX")->isEnabled());
        SharedState copy = f.state;
        const PrintedText expected = resultReport(copy).text;
        QCOMPARE(expected.fontName, QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(expected.pointSize, 8);

        f.menu("PROUTX");
        QCOMPARE(f.printer.documents, 1);
        QCOMPARE(f.lastPages().size(), qsizetype(expected.pages.size()));
        QCOMPARE(testing::textLines(f.lastPages()[0]), expectedLines(expected.pages[0]));
        QVERIFY(testing::pdfPageSize(f.printer.last()).contains(QStringLiteral("(A4)")));
        QVERIFY(testing::pdfFonts(f.printer.last()).contains(QStringLiteral("NotoSerifCJK"))); // 明朝
        // The points as sampled, the equations and the annotated relations.
        QVERIFY(f.lastText().contains(QStringLiteral("Parameter = 10\nData Number = 16\n0.7 ,")));
        QVERIFY(f.lastText().contains(QStringLiteral("パラメータ 1 = 10 --- 平均誤差=")));
        QVERIFY(f.lastText().contains(QStringLiteral("(Eq.1)")));
    }

    void settingsWindowChoicesReachTheReport() {
        PrintingFixture f;
        f.menu("PPSET");
        QWidget* form8 = f.windows.form8;
        QVERIFY(form8->isVisible() && !f.screen()->isEnabled());
        control<QListWidget>(form8, "List1")->setCurrentRow(3); // ＭＳ Ｐ明朝
        control<QListWidget>(form8, "List2")->setCurrentRow(12 - 4);
        control<QComboBox>(form8, "Combo1")->setEditText(QStringLiteral("B5"));
        control<QComboBox>(form8, "Combo2")->setEditText(QStringLiteral("横"));
        f.button(form8, "Command1")->click();
        QVERIFY(!form8->isVisible() && f.screen()->isVisible() && f.screen()->isEnabled());

        f.menu("PROUTX");
        QCOMPARE(testing::pdfPageSize(f.printer.last()), QStringLiteral("729 x 516 pts"));
        QVERIFY(testing::pdfFonts(f.printer.last()).contains(QStringLiteral("NotoSerifCJK")));
    }

    void relationOutputBeforeAnyReportHasNoAnnotations() {
        PrintingFixture f;
        printRelationFormulas(f.state, f.windows, *f.screen());
        QVERIFY(f.lastText().startsWith(QStringLiteral("<関連式出力>\n1.処理条件")));
        QVERIFY(!f.lastText().contains(QStringLiteral("---")));
        QVERIFY(f.lastText().endsWith(QStringLiteral("Page 1")));

        f.menu("PROUTX");
        printRelationFormulas(f.state, f.windows, *f.screen());
        QCOMPARE(f.printer.documents, 3);
        QVERIFY(f.lastText().contains(QStringLiteral("パラメータ 3 = 30 --- 平均誤差=")));
        QVERIFY(f.lastText().contains(QStringLiteral(" --- <誤差=")));
    }

    void graphPageComesBeforeTheReport() {
        PrintingFixture f;
        printGraph(f.state, f.windows, *f.screen(), f.plot(), true);
        QCOMPARE(f.state.printSettings.GraphPrintPending, qint16(kGraphPending));
        QCOMPARE(f.printer.documents, 1);
        const QString graph = f.lastText();
        QVERIFY(graph.contains(QStringLiteral("解析グラフのプロット")));
        QVERIFY(graph.contains(QStringLiteral("30"))); // a Parameter label

        f.menu("PROUTX");
        QCOMPARE(f.printer.documents, 2);
        QCOMPARE(f.state.printSettings.GraphPrintPending, qint16(kGraphHandledByReport));
        QVERIFY(f.lastText().startsWith(QStringLiteral("Page 1\n<X/Yデータ>"))); // no blank page first

        PlotData unusable = f.plot();
        unusable.usable = false;
        printGraph(f.state, f.windows, *f.screen(), unusable, false);
        QCOMPARE(f.printer.documents, 2);
        QCOMPARE(f.state.printSettings.GraphPrintPending, qint16(kGraphPending));
    }

    void hardCopyIsTheWindowOnAPortraitPage() {
        PrintingFixture f;
        f.state.printSettings.orientation = kLandscape;
        printHardCopy(f.state, f.windows, *f.screen());
        QVERIFY(testing::pdfPageSize(f.printer.last()).contains(QStringLiteral("595 x 842")));
        QCOMPARE(testing::pdfImageCount(f.printer.last()), 1);
        QCOMPARE(f.state.printSettings.orientation, qint16(kLandscape));

        // A printer that cannot take the document: the message of the hard copy.
        f.windows.printOutput().setPrinterSource([] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QStringLiteral("/nonexistent/folder/copy.pdf"));
            return printer;
        });
        printHardCopy(f.state, f.windows, *f.screen());
        auto* message = f.screen()->findChild<QMessageBox*>("printFailedMessage");
        QVERIFY(message && message->isVisible());
        QCOMPARE(message->windowTitle(), QStringLiteral("プリンター不適合エラー"));
        QCOMPARE(message->text(),
                 QStringLiteral(
                     "このプリンターではどうも出力できないようです．「グラフ出力」で出力してください．"));
    }

    void withoutAPrinterTheReportGoesToAPdfFile() {
        PrintingFixture f;
        f.windows.printOutput().setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
        const QString dataFile = f.state.CurrentFilePath;
        f.menu("PROUTX");
        auto* question = f.screen()->findChild<QMessageBox*>("noPrinterQuestion");
        QVERIFY(question && question->isVisible());
        QCOMPARE(question->text(), PrintOutput::kNoPrinterMessage);
        question->findChild<QPushButton*>("saveAsPdf")->click();

        QWidget* dialog = f.windows.form24;
        QVERIFY(dialog->isVisible() && !f.screen()->isEnabled());
        QCOMPARE(control<QLabel>(dialog, "Label2")->text(), QStringLiteral("印刷内容のPDF保存"));
        auto* name = control<QLineEdit>(dialog, "Text1");
        QVERIFY(name->text().endsWith(QStringLiteral("Tracol_Report.pdf")));
        const QString pdf = f.folder.filePath("report.pdf");
        name->setText(pdf);
        f.button(dialog, "Command4")->click();
        f.button(dialog, "Command5")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.screen()->isVisible() && f.screen()->isEnabled());
        const QStringList pages = testing::pdfPages(pdf);
        QVERIFY(!pages.isEmpty());
        QVERIFY(testing::textLines(pages.join(u'\n')).contains(QStringLiteral("<計算式表示>")));
        // The data file the other saves follow is still the one read.
        QCOMPARE(f.state.CurrentFilePath, dataFile);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
