#include "ui/TextPrinting.h"

#include "core/CodePage932.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tracol {

namespace {

const QString kSansMono = QStringLiteral("Noto Sans Mono CJK JP");
const QString kSans = QStringLiteral("Noto Sans CJK JP");
const QString kSerif = QStringLiteral("Noto Serif CJK JP");

// The top of a line's glyphs to its baseline, in ems: the CJK fonts' ascent
// within the em box, which leaves their descent below the baseline within
// one em, so lines a little over an em apart never touch.
constexpr double kBaselineInEm = 0.88;

// In its cells a glyph wider than them is narrowed to them; one much
// narrower is widened to this share of them, so that the letters of a word
// stand as close as a monospaced face sets them (and a word read back from
// a PDF file stays one word); one in between keeps its width. Each stands
// in the middle of its cells.
constexpr double kLeastFill = 0.84;

QStringList wantedFamilies(const QString& fontName) {
    if (fontName == QStringLiteral("ＭＳ Ｐゴシック"))
        return {kSans, kSansMono};
    if (fontName == QStringLiteral("ＭＳ Ｐ明朝") || fontName == QStringLiteral("ＭＳ 明朝"))
        return {kSerif, kSans, kSansMono};
    return {kSansMono, kSans};
}

// The monospaced fonts are laid out in cells of half an em: all but the P fonts.
bool printsInCells(const QString& fontName) {
    return !fontName.contains(u'Ｐ');
}

// The cells of half an em that a character (one code point) takes.
int printCells(QStringView character) {
    const cp932::EncodedText encoded = cp932::encode(character);
    if (encoded.ok())
        return encoded.bytes.size() > 1 ? 2 : 1;
    const char32_t codePoint = character.toUcs4().value(0);
    return codePoint >= 0x1100 ? 2 : 1;
}

// One line of text in cells of `cellWidth` (device units) from `origin` on
// its baseline, in the painter's font.
void drawTextInCells(QPainter& painter, QPointF origin, const QString& line, double cellWidth) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    double left = origin.x();
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype length =
            line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = line.mid(i, length);
        i += length;
        const double cells = printCells(character) * cellWidth;
        const double advance = metrics.horizontalAdvance(character);
        if (!character.at(0).isSpace() && advance > 0) {
            const double drawn = std::clamp(advance, kLeastFill * cells, cells);
            const QPointF at(left + (cells - drawn) / 2, origin.y());
            if (drawn == advance) {
                painter.drawText(at, character);
            } else {
                painter.save();
                painter.translate(at);
                painter.scale(drawn / advance, 1);
                painter.drawText(QPointF(0, 0), character);
                painter.restore();
            }
        }
        left += cells;
    }
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
        const double cell = text.pointSize * device.logicalDpiX() / 72.0 / 2;
        const bool inCells = printsInCells(text.fontName);
        const double pitch = device.height() / std::max(1.0, text.linesPerPage);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (size_t p = 0; p < text.pages.size(); ++p) {
            if (p > 0)
                device.newPage(); // a failing printer operation is skipped, as every other
            const QStringList& page = text.pages[p];
            for (qsizetype i = 0; i < page.size(); ++i) {
                if (page[i].isEmpty())
                    continue;
                const QPointF origin(0, i * pitch + em * kBaselineInEm);
                if (inCells)
                    drawTextInCells(painter, origin, page[i], cell);
                else
                    painter.drawText(origin, page[i]);
            }
        }
        return true;
    };
    return document;
}

} // namespace tracol
