#pragma once
// A document for the printer: its paper, its orientation and how its pages
// are painted. The same document goes to a printer (QPrinter, through CUPS)
// or into a PDF file; both are paged paint devices, so the pages are painted
// by the same code.
//
// Pages are painted within the printable area: the painter's origin is its
// top left corner and the device's width() and height() are its size.

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tracol {

struct PrintedDocument {
    QString name;    // for the spooler, and the stem of a proposed PDF file name
    QPageSize paper; // the chosen paper (A3, A4, B4, B5)
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Paints every page, starting the next with device.newPage(); false when
    // a page could not be painted.
    std::function<bool(QPainter& painter, QPagedPaintDevice& device)> paintPages;
};

// The paper and the orientation of the print settings' numbers.
QPageSize pageSizeOf(qint16 paperSize);
QPageLayout::Orientation pageOrientationOf(qint16 orientation);

// Paints the document on `printer` and ends the document (a real printer
// sends it to the spooler). False when the printer cannot start a document
// or a page could not be painted.
bool printDocument(const PrintedDocument& document, QPrinter& printer);

// Writes the document as a PDF file. The file at `path` is replaced only by
// a complete document; on failure it stays as it was. `error` names the
// fault.
bool writeDocumentPdf(const PrintedDocument& document, const QString& path, QString* error = nullptr);

} // namespace tracol
