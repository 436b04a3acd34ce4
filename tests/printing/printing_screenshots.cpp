// The print settings window and every printed output after a computation,
// for a person to look at (not a test):
//   xvfb-run -a ./printing_screenshots OUTPUT_FOLDER
// writes form8.png and report.pdf, graph.pdf, hardcopy.pdf, relations.pdf;
// `pdftoppm -png -r 60` shows the pages.

#include "output/PlotModel.h"
#include "tests/fitwindows/ComputationFixture.h"
#include "ui/PlotPrinting.h"
#include "ui/PrintOutput.h"

#include <QApplication>
#include <QListWidget>
#include <QPrinter>

using namespace tracol;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    testing::ComputationFixture f;
    QString next;
    f.windows.printOutput().setPrinterSource([&next, &folder] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder + u'/' + next);
        return printer;
    });
    f.openFromDataSetWindow();
    f.start();

    f.menu("PPSET");
    control<QListWidget>(f.windows.form8, "List1")->setCurrentRow(2); // a proportional font warns
    QTest::qWait(200);
    f.windows.form8->grab().save(folder + "/form8.png");
    f.button(f.windows.form8, "Command2")->click();

    PlotRequest request;
    request.range = plotRangeTexts(standardPlotRange(f.state, {}));
    request.fittingRun = true;
    next = QStringLiteral("graph.pdf");
    printGraph(f.state, f.windows, *f.screen(), gatherPlotData(f.state, request), true);
    next = QStringLiteral("report.pdf");
    f.menu("PROUTX");
    next = QStringLiteral("relations.pdf");
    printRelationFormulas(f.state, f.windows, *f.screen());
    next = QStringLiteral("hardcopy.pdf");
    printHardCopy(f.state, f.windows, *f.screen());
    return 0;
}
