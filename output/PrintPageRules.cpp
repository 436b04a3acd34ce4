#include "output/PrintPageRules.h"

#include "core/NumericText.h"

namespace tracol {

PrintFont printFontOf(const PrintSettings& settings) {
    if (settings.fontSize > 0)
        return {settings.fontName(), settings.fontSize};
    return {kDefaultReportFont, kDefaultReportPointSize};
}

int linesPerPageAt8Points(qint16 paperSize, qint16 orientation) {
    const bool portrait = orientation != kLandscape;
    switch (paperSize) {
    case kPaperA3:
        return portrait ? 142 : 99;
    case kPaperA5:
        return portrait ? 68 : 46;
    case kPaperB4:
        return portrait ? 119 : 82;
    case kPaperB5:
        return portrait ? 84 : 58;
    case kPaperA4:
    default:
        return portrait ? 99 : 68;
    }
}

double linesPerPage(qint16 paperSize, qint16 orientation, int pointSize) {
    return linesPerPageAt8Points(paperSize, orientation) * 8.0 / pointSize;
}

float lineLimit(qint16 paperSize, qint16 orientation, int pointSize) {
    return static_cast<float>(linesPerPage(paperSize, orientation, pointSize) - 1);
}

QString reportMargin(int pointSize) {
    return QString(static_cast<int>(numtext::roundHalfEven(96.0 / pointSize)), u' ');
}

QString paperName(qint16 paperSize) {
    switch (paperSize) {
    case kPaperA3:
        return QStringLiteral("A3");
    case kPaperA4:
        return QStringLiteral("A4");
    case kPaperB4:
        return QStringLiteral("B4");
    case kPaperB5:
        return QStringLiteral("B5");
    default:
        return QStringLiteral("Unkown");
    }
}

} // namespace tracol
