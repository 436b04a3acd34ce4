#include "ui/PlotPrinting.h"

#include "output/PrintReport.h"
#include "ui/PlotPainter.h"
#include "ui/PrintOutput.h"
#include "ui/TextPrinting.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

namespace tracol {

namespace {

constexpr double kScreenDotsPerInch = 96; // 15 twips a pixel

} // namespace

PrintedDocument graphDocument(const PlotData& data, bool showParameters, const PrintSettings& settings) {
    PlotData page = data;
    page.showParameters = showParameters;
    PrintedDocument document;
    document.name = QStringLiteral("Tracol_Graph");
    document.paper = pageSizeOf(settings.paperSize);
    document.orientation = pageOrientationOf(settings.orientation);
    document.paintPages = [page](QPainter& painter, QPagedPaintDevice& device) {
        paintPlotPage(painter, page, QRectF(0, 0, device.width(), device.height()), device.logicalDpiX());
        return true;
    };
    return document;
}

PrintedDocument hardCopyDocument(const QImage& image, const PrintSettings& settings) {
    PrintedDocument document;
    document.name = QStringLiteral("Tracol_HardCopy");
    document.paper = pageSizeOf(settings.paperSize);
    document.orientation = QPageLayout::Portrait;
    document.paintPages = [image](QPainter& painter, QPagedPaintDevice& device) {
        if (image.isNull())
            return false;
        const double onScreen = device.logicalDpiX() / kScreenDotsPerInch;
        const double scale = std::min(
            {onScreen, device.width() / double(image.width()), device.height() / double(image.height())});
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
        return true;
    };
    return document;
}

void printGraph(SharedState& state, Windows& windows, QWidget& plotScreen, const PlotData& data,
                bool showParameters) {
    state.printSettings.GraphPrintPending = kGraphPending;
    if (!data.usable)
        return;
    windows.printOutput().print(graphDocument(data, showParameters, state.printSettings), plotScreen,
                                kCallerPlot);
}

void printHardCopy(const SharedState& state, Windows& windows, QWidget& plotScreen) {
    const QImage image = plotScreen.grab().toImage();
    if (image.isNull()) {
        showPrinterMessage(plotScreen, QStringLiteral("printFailedMessage"), kHardCopyFailedTitle,
                           kHardCopyFailedMessage);
        return;
    }
    windows.printOutput().print(hardCopyDocument(image, state.printSettings), plotScreen, kCallerPlot,
                                {kHardCopyFailedTitle, kHardCopyFailedMessage});
}

void printRelationFormulas(SharedState& state, Windows& windows, QWidget& plotScreen) {
    const PrintedText text = relationFormulaReport(state).text;
    windows.printOutput().print(textDocument(text, QStringLiteral("Tracol_Relations")), plotScreen,
                                kCallerPlot);
}

} // namespace tracol
