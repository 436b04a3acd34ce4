#include "output/PlotLabelFormat.h"

#include <cmath>

namespace tracol {

namespace {

// Mantissa digits and exponent of |v| rounded to `decimals` decimals:
// "1.235", 4 for 12345.6 with three decimals.
struct ExponentParts {
    QString mantissa;
    int exponent = 0;
};

ExponentParts exponentParts(double magnitude, int decimals) {
    const QString text = QString::number(magnitude, 'e', decimals); // d.ddde+XX, renormalised
    const qsizetype ePos = text.indexOf(u'e');
    return ExponentParts{text.left(ePos), text.mid(ePos + 1).toInt()};
}

} // namespace

QString tickLabelText(double v) {
    const double magnitude = std::fabs(v);
    if (magnitude < 1e-7)
        return QStringLiteral(".0");
    if (magnitude <= 0.00001 || magnitude >= 10000)
        return exponentPatternText(v);
    return fixedPatternText(v);
}

QString fixedPatternText(double v) {
    QString digits = QString::number(std::fabs(v), 'f', 6);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.startsWith(u'0'))
        digits.remove(0, 1); // "#" writes no zero before the point
    const bool negative = v < 0 && digits != QStringLiteral(".");
    return negative ? u'-' + digits : digits;
}

QString exponentPatternText(double v) {
    if (v == 0)
        return QStringLiteral("0.0E+0");
    const ExponentParts parts = exponentParts(std::fabs(v), 3);
    QString mantissa = parts.mantissa;
    while (mantissa.endsWith(u'0') && mantissa.size() > 3) // keep "d.d"
        mantissa.chop(1);
    const QString sign = v < 0 ? QStringLiteral("-") : QString();
    const QString exponentSign = parts.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    return sign + mantissa + exponentSign + QString::number(std::abs(parts.exponent));
}

LeadingDigit leadingDigitOf(double v) {
    const ExponentParts parts = exponentParts(std::fabs(v), 3);
    LeadingDigit result;
    result.digit = parts.mantissa.left(1).toInt();
    result.exponent = parts.exponent;
    result.wholeDigit = parts.mantissa.mid(2, 3) == QStringLiteral("000");
    return result;
}

} // namespace tracol
