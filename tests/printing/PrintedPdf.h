#pragma once
// Printing tests print into PDF files through QPrinter and read them back
// with the poppler tools: the text of every page (pdftotext -layout), the
// places of words (pdftotext -bbox), the page size (pdfinfo), the fonts
// (pdffonts) and the images (pdfimages -list).

#include "ui/PrintOutput.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tracol::testing {

// Output of a poppler tool run on `file`; empty when it fails.
inline QString popplerOutput(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, as pdftotext lays it out.
inline QStringList pdfPages(const QString& file) {
    QStringList pages =
        popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, "-"}).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The lines of a page that hold text, blank runs reduced to one, in the
// compatibility form (NFKC). A glyph the font draws for several characters
// reads back as the lowest of them: "示" as the radical "⽰", which that
// form turns back, and "／" as "∕".
inline QStringList textLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines
                << line.simplified().replace(u'\u2215', u'\uFF0F').normalized(QString::NormalizationForm_KC);
    return lines;
}

// "595.276 x 841.89 pts (A4)" and the like.
inline QString pdfPageSize(const QString& file) {
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Page size:\\s+(.*)\\n"))
                                              .match(popplerOutput(QStringLiteral("pdfinfo"), {file}));
    return match.captured(1).trimmed();
}

inline QString pdfFonts(const QString& file) {
    return popplerOutput(QStringLiteral("pdffonts"), {file});
}

// Images on the pages (the lines of pdfimages -list below its header).
inline int pdfImageCount(const QString& file) {
    return std::max<int>(0,
                         textLines(popplerOutput(QStringLiteral("pdfimages"), {"-list", file})).size() - 2);
}

// The left edges, in points, of every word `word` on page 1, top down.
inline QList<double> wordLefts(const QString& file, const QString& word) {
    const QString boxes =
        popplerOutput(QStringLiteral("pdftotext"), {"-bbox", "-f", "1", "-l", "1", file, "-"});
    const QRegularExpression pattern(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>") +
                                     QRegularExpression::escape(word) + QStringLiteral("</word>"));
    QList<double> lefts;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(boxes); it.hasNext();)
        lefts << it.next().captured(1).toDouble();
    return lefts;
}

// The left edge, in points, of the first word `word` on page 1.
inline double wordLeft(const QString& file, const QString& word) {
    const QList<double> lefts = wordLefts(file, word);
    return lefts.isEmpty() ? -1 : lefts.first();
}

// Where page 1 holds ink, rendered at 100 dots per inch: the box around every
// dark pixel and the number of pixel rows with one. Two files that print
// the same lines at the same places give nearly the same, whatever their
// fonts became inside.
struct Ink {
    QRect box;
    int rows = 0;
};
inline Ink inkOfFirstPage(const QString& file) {
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    popplerOutput(QStringLiteral("pdftoppm"),
                  {"-gray", "-r", "100", "-f", "1", "-l", "1", "-singlefile", file, stem});
    const QImage page(stem + QStringLiteral(".pgm"));
    Ink ink;
    for (int y = 0; y < page.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 192) {
                ink.box |= QRect(x, y, 1, 1);
                dark = true;
            }
        ink.rows += dark;
    }
    return ink;
}

// A printer that writes every document into a PDF file of its own, print1.pdf, print2.pdf, ...
struct PdfPrinter {
    QTemporaryDir folder;
    int documents = 0;

    QString file(int n) const { return folder.filePath(QStringLiteral("print%1.pdf").arg(n)); }
    QString last() const { return file(documents); }

    PrintOutput::PrinterSource source() {
        return [this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file(++documents));
            return printer;
        };
    }
};

} // namespace tracol::testing
