#include "ui/TextPrinting.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tracol {

namespace {

// The top of a line's glyphs to its baseline, in ems: the CJK fonts' ascent
// within the em box, which leaves their descent below the baseline within
// one em, so lines a little over an em apart never touch.
constexpr double kBaselineInEm = 0.88;

QStringList wantedFamilies(const QString& fontName) {
    const QString mono = QStringLiteral("Noto Sans Mono CJK JP");
    if (fontName == QStringLiteral("ＭＳ Ｐゴシック"))
        return {QStringLiteral("Noto Sans CJK JP"), mono};
    if (fontName == QStringLiteral("ＭＳ Ｐ明朝"))
        return {QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Sans CJK JP"), mono};
    return {mono, QStringLiteral("Noto Sans CJK JP")};
}

} // namespace

QString installedPrintFamily(const QString& fontName) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : wantedFamilies(fontName))
        if (installed.contains(family))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFont printQFont(const QString& fontName, int pointSize) {
    QFont font(installedPrintFamily(fontName));
    font.setPointSize(pointSize);
    font.setHintingPreference(QFont::PreferNoHinting); // the same advances at any resolution
    return font;
}

PrintedDocument textDocument(const PrintedText& text, const QString& name) {
    PrintedDocument document;
    document.name = name;
    document.paper = pageSizeOf(text.paperSize);
    document.orientation = pageOrientationOf(text.orientation);
    document.paintPages = [text](QPainter& painter, QPagedPaintDevice& device) {
        const QFont font = printQFont(text.fontName, text.pointSize);
        const double em = text.pointSize * device.logicalDpiY() / 72.0;
        const double pitch = device.height() / std::max(1.0, text.linesPerPage);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (size_t p = 0; p < text.pages.size(); ++p) {
            if (p > 0)
                device.newPage(); // a failing printer operation is skipped, as every other
            const QStringList& page = text.pages[p];
            for (qsizetype i = 0; i < page.size(); ++i)
                if (!page[i].isEmpty())
                    painter.drawText(QPointF(0, i * pitch + em * kBaselineInEm), page[i]);
        }
        return true;
    };
    return document;
}

} // namespace tracol
