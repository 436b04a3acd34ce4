#include "fit/FitTraceLines.h"

#include "core/NumericText.h"
#include "fit/Module1.h"

namespace tracol::Module1::trace {

using numtext::generalText;

namespace {

// The last width characters of text, padded on the left when shorter.
QString rightAlignedText(const QString& text, int width) {
    if (text.size() >= width)
        return text.right(width);
    return QString(width - text.size(), u' ') + text;
}

} // namespace

QString rightAligned(int value, int width) {
    return rightAlignedText(generalText(qint64(value)), width);
}

QString pointLine(int index, const QString& xText, const QString& yText) {
    return rightAligned(index, 2) + QStringLiteral("< ") + xText + u',' + yText + QStringLiteral(" >");
}

QString coefficientLine(float c1, float c2, float c3, float c4) {
    return QStringLiteral("C1=") + generalText(c1) + QStringLiteral("  C2=") + generalText(c2) +
           QStringLiteral("  C3=") + generalText(c3) + QStringLiteral("  C4=") + generalText(c4);
}

namespace {

QString resultLine(int line, const QString& group, const QString& gap, int eqNo, float error) {
    return QStringLiteral("[Para:") + rightAligned(line, 2) + QStringLiteral("]  DEV ") + group + gap +
           QStringLiteral("EQ No=") + rightAligned(eqNo, 2) + QStringLiteral("    誤差=") +
           generalText(error);
}

} // namespace

QString wholeRangeResultLine(int line, int sectionCount, int slot, int points, int eqNo, float error) {
    const QString group = generalText(qint64(sectionCount)) + QStringLiteral("X - ") + rightAligned(slot, 2) +
                          QStringLiteral(" - ") + rightAligned(points, 2);
    return resultLine(line, rightAlignedText(group, 15), QString(14, u' '), eqNo, error);
}

QString sectionResultLine(int line, int sectionCount, int firstPoint, int lastPoint, int eqNo, float error) {
    const QString group = QStringLiteral("    ") + generalText(qint64(sectionCount)) +
                          QStringLiteral(" Data_No  from ") + rightAligned(firstPoint, 3) +
                          QStringLiteral(" to ") + rightAligned(lastPoint, 3);
    return resultLine(line, rightAlignedText(group, 15), QString(7, u' '), eqNo, error);
}

QString deviationLine(float combinedError) {
    const float shown = combinedError == 0 ? 1e-10f : combinedError;
    return QStringLiteral("  Deviation <<< ") + generalText(shown) + QStringLiteral("  Gr= ") +
           generalText(listedGr(shown)) + QStringLiteral(" >>>");
}

QString separatorLine() {
    return QString(78, u'-');
}

} // namespace tracol::Module1::trace
