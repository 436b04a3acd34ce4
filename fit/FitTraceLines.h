#pragma once
// The lines of List1, the trace of the fitting, and the shared pieces of the
// other lists. Used by the driver; public so that tests and the output engine
// can build the same texts.

#include <QString>

namespace tracol::Module1::trace {

// "NN< X,Y >": the point's index (last two characters of its Str text).
QString pointLine(int index, const QString& xText, const QString& yText);
// "C1= ...  C2= ...  C3= ...  C4= ..." of the chosen candidate.
QString coefficientLine(float c1, float c2, float c3, float c4);
// Result line of the whole-range fit (group: section count, fit slot, points).
QString wholeRangeResultLine(int line, int sectionCount, int slot, int points, int eqNo, float error);
// Result line of a section fit of a split search (group: first and last point).
QString sectionResultLine(int line, int sectionCount, int firstPoint, int lastPoint, int eqNo, float error);
// "  Deviation <<< E  Gr= G >>>"
QString deviationLine(float combinedError);
// 78 "-".
QString separatorLine();

// Right(Str(n), width) padded on the left to width characters.
QString rightAligned(int value, int width);

} // namespace tracol::Module1::trace
