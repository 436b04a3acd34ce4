#include "ui/PrintedDocument.h"

#include "core/PrintSettings.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace tracol {

namespace {

// Paper edges no printer prints on; the PDF keeps the same so that its
// pages look as printed.
const QMarginsF kPaperEdges(5, 5, 5, 5);

bool paintOn(const PrintedDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const bool painted = document.paintPages && document.paintPages(painter, device);
    return painter.end() && painted;
}

} // namespace

QPageSize pageSizeOf(qint16 paperSize) {
    switch (paperSize) {
    case kPaperA3:
        return QPageSize(QPageSize::A3);
    case kPaperA5:
        return QPageSize(QPageSize::A5);
    case kPaperB4:
        return QPageSize(QPageSize::JisB4); // the Japanese B sizes
    case kPaperB5:
        return QPageSize(QPageSize::JisB5);
    case kPaperA4:
    default:
        return QPageSize(QPageSize::A4);
    }
}

QPageLayout::Orientation pageOrientationOf(qint16 orientation) {
    return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool printDocument(const PrintedDocument& document, QPrinter& printer) {
    // A setting the printer refuses is left as the printer has it.
    printer.setDocName(document.name);
    printer.setPageSize(document.paper);
    printer.setPageOrientation(document.orientation);
    printer.setPageMargins(kPaperEdges, QPageLayout::Millimeter);
    return paintOn(document, printer);
}

bool writeDocumentPdf(const PrintedDocument& document, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.name);
        writer.setCreator(QStringLiteral("Tracol"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(document.paper, document.orientation, kPaperEdges));
        if (!paintOn(document, writer)) {
            file.cancelWriting();
            if (error)
                *error = QStringLiteral("the pages could not be painted");
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace tracol
