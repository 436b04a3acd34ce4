#pragma once
// The print settings, kept for the whole run: chosen in the print settings
// window (Form8), read by every printed output. Paper sizes and orientations
// keep the printer's own numbers.

#include <QString>
#include <QStringList>

#include <array>

namespace tracol {

// The fonts of the print settings, by index 1..4 (index 0 is never a font).
inline const std::array<QString, 5> kPrintFontNames = {
    QString(), QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ 明朝"),
    QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ Ｐ明朝")};
// The font a report prints in when no size was ever chosen.
inline const QString kDefaultReportFont = QStringLiteral("ＭＳ 明朝");
constexpr int kDefaultReportPointSize = 8;

// The sizes of the size list, in points.
constexpr int kSmallestPrintSize = 4;
constexpr int kLargestPrintSize = 18;

// The printer's paper numbers.
enum PaperNumber : qint16 {
    kPaperA3 = 8,
    kPaperA4 = 9,
    kPaperA5 = 11,
    kPaperB4 = 12,
    kPaperB5 = 13,
};

enum PrintOrientation : qint16 {
    kPortrait = 1,  // 縦
    kLandscape = 2, // 横
};

// GraphPrintPending: what became of the last printed graph.
enum GraphPrintState : qint16 {
    kNoGraphPending = 0,      // none, or the relation output came after it
    kGraphPending = 1,        // "ｸﾞﾗﾌ出力" printed the plot
    kGraphHandledByReport = 2 // a printed report came after it
};

struct PrintSettings {
    qint16 fontIndex = 1; // 1..4 in kPrintFontNames, as last decided
    qint16 fontSize = 0;  // points, as last decided; 0 = no size chosen yet
    qint16 paperSize = kPaperA4;
    qint16 orientation = kPortrait;
    qint16 GraphPrintPending = kNoGraphPending;
    // The annotations the last printed report collected from the result
    // summary (List2), in order: the error of every section and the error of
    // every Line. The relation output appends them too.
    QStringList equationErrorLines;
    QStringList parameterErrorLines;

    QString fontName() const {
        return fontIndex >= 1 && fontIndex <= 4 ? kPrintFontNames[fontIndex] : QString();
    }
};

} // namespace tracol
