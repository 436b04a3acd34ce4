#pragma once
// The rules of printed text pages: the font a report prints in, the lines a
// page holds by paper and orientation, the line limit that starts a new page,
// the margin of blanks in front of every line, and the names of the papers.

#include "core/PrintSettings.h"

#include <QString>

namespace tracol {

// The font of a printed report or relation output: the chosen font at the
// chosen size, or "ＭＳ 明朝" at 8 points while no size was ever chosen.
struct PrintFont {
    QString name;
    int pointSize = kDefaultReportPointSize;
};
PrintFont printFontOf(const PrintSettings& settings);

// Lines a page holds at 8 points:
//   paper (number)  portrait  landscape
//   A3 (8)             142        99
//   A4 (9)              99        68
//   A5 (11)             68        46
//   B4 (12)            119        82
//   B5 (13)             84        58
//   any other           99        68
int linesPerPageAt8Points(qint16 paperSize, qint16 orientation);

// Lines the page holds at `pointSize`: the table's number * 8 / size.
double linesPerPage(qint16 paperSize, qint16 orientation, int pointSize);

// The line limit of a page, a Single: linesPerPage - 1. A page breaks when
// its line counter reaches it (98 at 8 points on A4 portrait; 78.2 at 10
// points, so the break comes at 79).
float lineLimit(qint16 paperSize, qint16 orientation, int pointSize);

// The margin of a report line: 96 / size blanks, to the nearest whole
// number (12 at 8 points, 8 at 12, 19 at 5).
QString reportMargin(int pointSize);

// "A3", "A4", "B4", "B5" for the paper numbers 8, 9, 12, 13; "Unkown" for any other.
QString paperName(qint16 paperSize);

} // namespace tracol
