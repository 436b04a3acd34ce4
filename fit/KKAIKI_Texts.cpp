// The texts of the regression module: the coefficient format, the equation
// and assignment-statement texts, the status codes and the system labels.

#include "fit/KKAIKI.h"

#include "fit/KKAIKI_Format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tracol::KKAIKI {

namespace {

// Writes the 15-significant-digit exponent form of a >= 0 ("d.dddddddddddddde+XX")
// and returns its decimal exponent.
int fifteenDigits(double a, char* out, size_t size) {
    std::snprintf(out, size, "%.14e", a);
    return std::atoi(std::strchr(out, 'e') + 1);
}

// Scales a >= 0 into 1 <= m < 10 by repeated multiplication, at most 50
// steps each way (zero takes all fifty and ends as 0.00000E-50); k counts
// the steps.
double scaledMantissa(double a, int& k) {
    double m = a;
    k = 0;
    if (m >= 10) {
        for (int step = 0; step < 50 && m >= 10; ++step) {
            m = m * 0.1;
            ++k;
        }
    }
    if (m < 1) {
        for (int step = 0; step < 50 && m < 1; ++step) {
            m = m * 10;
            ++k;
        }
    }
    return m;
}

void appendExponent(std::string& out, int exponent) {
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int absExp = std::abs(exponent);
    if (absExp < 10)
        out += '0';
    out += std::to_string(absExp);
}

} // namespace

std::string formatCoefficientAscii(double v) {
    if (std::isnan(v))
        return "-NaN";
    if (std::isinf(v))
        return v > 0 ? " INF" : "-INF";

    std::string out;
    out.reserve(16);
    out += v > 0 ? ' ' : '-';
    const double a = std::fabs(v);
    char digits[40];

    // The general text (15 significant digits) switches to exponent notation
    // below 1E-04 and from 1E+15 on: then its mantissa and exponent are used.
    if (a != 0 && (a < 1.001e-4 || a >= 9.99e14)) {
        const int exponent = fifteenDigits(a, digits, sizeof digits);
        if (exponent < -4 || exponent >= 15) {
            out.append(digits, 7);
            appendExponent(out, exponent);
            return out;
        }
    }

    int k = 0;
    const double m = scaledMantissa(a, k);
    int exponent = a >= 1 ? k : -k;
    // First seven characters of the general text of m, padded with zeros:
    // truncation of the 15-digit text, never rounding of the shown digits.
    const int mExponent = fifteenDigits(m, digits, sizeof digits);
    if (mExponent >= 1) {
        // m rounds to 10 in fifteen digits: written as the next power of ten.
        out += "1.00000";
        exponent += mExponent;
    } else {
        out.append(digits, 7);
    }
    appendExponent(out, exponent);
    return out;
}

QString FormatCoefficient(double v) {
    return QString::fromLatin1(formatCoefficientAscii(v));
}

double formattedValueFromText(double v) {
    if (!std::isfinite(v))
        return INFINITY;
    return std::strtod(formatCoefficientAscii(v).c_str(), nullptr);
}

double formattedValue(double v) {
    if (!std::isfinite(v))
        return INFINITY;
    if (v == 0)
        return -0.0; // "-0.00000E-50"
    const double a = std::fabs(v);
    if (a < 1.001e-4 || a >= 9.99e14)
        return formattedValueFromText(v);
    // The same scaling as the text, then the six shown digits of the
    // 15-digit rounding of m. m * 1e14 is within 0.07 of its exact value, so
    // the rounding can only differ from the decimal conversion when the nine
    // digits below the shown ones are all 0 or all 9: those go the slow way.
    int k = 0;
    const double m = scaledMantissa(a, k);
    const double scaled = std::floor(m * 1e14 + 0.5);
    if (!(scaled >= 1e14 && scaled < 1e15))
        return formattedValueFromText(v);
    const auto digits15 = static_cast<long long>(scaled);
    const long long below = digits15 % 1000000000LL;
    if (below < 2 || below > 999999997LL)
        return formattedValueFromText(v);
    const double shown = static_cast<double>(digits15 / 1000000000LL); // six digits, 100000..999999
    // Exponent of the last shown digit; one exact operation on exact operands
    // gives the same double as reading the text.
    static const double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9, 1e10,
                                          1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20};
    const int exponent = (a >= 1 ? k : -k) - 5;
    const double magnitude = exponent >= 0 ? shown * kPowersOfTen[exponent] : shown / kPowersOfTen[-exponent];
    return v > 0 ? magnitude : -magnitude;
}

namespace {

const char16_t* const kSystemLabels[kSystemCount + 1] = {
    u"",
    u"X - Y 座標系",
    u"Ln(X) - Y 座標系",
    u"X - Ln(Y) 座標系",
    u"Ln(X) - Ln(Y) 座標系",
    u"1/X - Y 座標系",
    u"X - 1/Y 座標系",
    u"1/X - 1/Y 座標系",
};

// X terms for t^3, t^2, t by the system's X transform, as displayed and as
// written in the assignment statement.
const char16_t* const kDisplayTerms[3][3] = {
    {u" X^3", u" X^2", u" X"},
    {u" (Log(X))^3", u" (Log(X))^2", u" Log(X)"},
    {u" (1/X)^3", u" (1/X)^2", u" (1/X)"},
};
const char16_t* const kProgramTerms[3][3] = {
    {u" X1!^3", u" X1!^2", u" X1!"},
    {u" (Log(X1!))^3", u" (Log(X1!))^2", u" Log(X1!)"},
    {u" (1/X1!)^3", u" (1/X1!)^2", u" (1/X1!)"},
};

// Display head by the system's Y transform, e.g. "Y = ".
const char16_t* const kHeads[3] = {u"Y = ", u"Log(Y) = ", u"1/Y = "};

size_t indexOf(Transform transform) {
    return static_cast<size_t>(transform);
}

bool validEqNo(int eqNo) {
    return eqNo >= 1 && eqNo <= kMaxEqNo;
}

// " + " and the formatted coefficient, or " - " and its text without the sign.
QString joinedCoefficient(float c) {
    const QString text = FormatCoefficient(c);
    return c > 0 ? QStringLiteral(" + ") + text : QStringLiteral(" - ") + text.mid(1);
}

// T1 term T2' term ... T(d+1)'; joiner goes between a coefficient and its term.
QString coefficientSequence(int eqNo, const float* c, const char16_t* const* terms, const QString& joiner) {
    const int degree = degreeOf(eqNo);
    QString out = FormatCoefficient(c[0]);
    for (int k = 1; k <= degree; ++k) {
        out += joiner;
        out += QString::fromUtf16(terms[3 - degree + k - 1]);
        // A squared term of a degree-2 equation is followed by one extra blank.
        if (degree == 2 && k == 1)
            out += u' ';
        out += joinedCoefficient(c[k]);
    }
    return out;
}

} // namespace

QString systemLabel(int system) {
    if (system < 1 || system > kSystemCount)
        return {};
    return QString::fromUtf16(kSystemLabels[system]);
}

QString statusCodeOf(int eqNo) {
    if (!validEqNo(eqNo))
        return {};
    const int system = systemOf(eqNo);
    QString code;
    code += QChar(u'1' + degreeOf(eqNo));
    code += QChar(u'0' + static_cast<int>(xTransformOf(system)));
    code += QChar(u'0' + static_cast<int>(yTransformOf(system)));
    return code;
}

std::array<QString, kMaxEqNo + 1> EquationStatusCode() {
    std::array<QString, kMaxEqNo + 1> table{};
    for (int eqNo = 1; eqNo <= kMaxEqNo; ++eqNo)
        table[static_cast<size_t>(eqNo)] = statusCodeOf(eqNo);
    return table;
}

QString EquationText(int eqNo, float c1, float c2, float c3, float c4) {
    if (!validEqNo(eqNo))
        return {};
    const int system = systemOf(eqNo);
    const float c[4] = {c1, c2, c3, c4};
    return QString::fromUtf16(kHeads[indexOf(yTransformOf(system))]) +
           coefficientSequence(eqNo, c, kDisplayTerms[indexOf(xTransformOf(system))], QString());
}

QString ProgramText(int eqNo, float c1, float c2, float c3, float c4) {
    if (!validEqNo(eqNo))
        return {};
    const int system = systemOf(eqNo);
    const float c[4] = {c1, c2, c3, c4};
    const QString sequence =
        coefficientSequence(eqNo, c, kProgramTerms[indexOf(xTransformOf(system))], QStringLiteral("*"));
    switch (yTransformOf(system)) {
    case Transform::None:
        return QStringLiteral("Y1! = ") + sequence;
    case Transform::Log:
        return (degreeOf(eqNo) == 3 ? QStringLiteral("Y1! = Exp( ") : QStringLiteral("Y1! = EXP( ")) +
               sequence + QStringLiteral(" )");
    case Transform::Reciprocal:
        return QStringLiteral("Y1! = 1 / ( ") + sequence + QStringLiteral(" )");
    }
    return {};
}

} // namespace tracol::KKAIKI
