#include "core/NumericText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tracol::numtext {

bool allCharsIn(const QString& text, const QString& set) {
    for (QChar c : text) {
        if (!set.contains(c))
            return false;
    }
    return true;
}

namespace {

bool isSkipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// "&H1F" / "&O17": up to 4 digits read as a signed 16-bit value, up to 8 as a
// signed 32-bit value, as the old BASIC did.
double radixValue(const std::string& digits, int radix) {
    if (digits.empty())
        return 0;
    const unsigned long long raw = std::strtoull(digits.c_str(), nullptr, radix);
    if (raw <= 0xFFFF && digits.size() <= (radix == 16 ? 4u : 6u))
        return static_cast<qint16>(static_cast<quint16>(raw));
    if (raw <= 0xFFFFFFFFull)
        return static_cast<qint32>(static_cast<quint32>(raw));
    return static_cast<double>(raw);
}

} // namespace

double val(const QString& text) {
    std::string s;
    s.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (isSkipped(c))
            continue;
        s.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x01');
    }

    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        const bool hex = kind == 'H';
        const size_t start = (hex || kind == 'O') ? 2 : 1;
        std::string digits;
        for (size_t i = start; i < s.size(); ++i) {
            const char c = s[i];
            const bool ok = hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : (c >= '0' && c <= '7');
            if (!ok)
                break;
            digits.push_back(c);
        }
        return radixValue(digits, hex ? 16 : 8);
    }

    // Assemble the longest leading number in a form strtod reads.
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        number.push_back(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            number.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        bool expDigit = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exponent.push_back(s[j++]);
            expDigit = true;
        }
        if (expDigit)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<qint16> toInteger(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(r);
}

namespace {

// "E", the exponent's sign and at least two digits: "E+05", "E-12", "E+123".
QString exponentSuffix(int exponent) {
    const QString digits = QString::number(std::abs(exponent)).rightJustified(2, u'0');
    return (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + digits;
}

// Digits of |value| rounded to `significant` digits, without trailing zeros,
// in fixed or exponent notation as the general number text has them.
QString unsignedGeneralDigits(double value, int significant) {
    const double magnitude = std::fabs(value);
    if (magnitude == 0)
        return QStringLiteral("0");
    if (!std::isfinite(magnitude))
        return std::isnan(magnitude) ? QStringLiteral("NaN") : QStringLiteral("Inf");

    const QString e = QString::number(magnitude, 'e', significant - 1); // d.ddddde+XX
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.left(ePos);
    digits.remove(u'.');
    const int exponent = e.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    if (exponent < -4 || exponent >= significant) {
        QString out = digits.left(1);
        if (digits.size() > 1)
            out += u'.' + digits.mid(1);
        return out + exponentSuffix(exponent);
    }
    if (exponent < 0)
        return u'.' + QString(-exponent - 1, u'0') + digits;
    QString whole = digits.left(exponent + 1);
    if (whole.size() < exponent + 1)
        whole += QString(exponent + 1 - whole.size(), u'0');
    const QString fraction = digits.mid(exponent + 1);
    return fraction.isEmpty() ? whole : whole + u'.' + fraction;
}

QString withSign(double value, const QString& digits) {
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

} // namespace

QString generalText(qint64 value) {
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString generalText(float value) {
    return withSign(value, unsignedGeneralDigits(value, 7));
}

QString generalText(double value) {
    return withSign(value, unsignedGeneralDigits(value, 15));
}

QString trimmedText(float value) {
    return generalText(value).trimmed();
}

QString trimmedText(double value) {
    return generalText(value).trimmed();
}

QString plainInteger(qint64 value) {
    return QString::number(value);
}

QString exponentForm(double value) {
    if (value == 0)
        return QStringLiteral("0.00000E+00");
    if (!std::isfinite(value))
        return withSign(value, unsignedGeneralDigits(value, 6)).trimmed();
    const QString e = QString::number(std::fabs(value), 'e', 5); // d.ddddde+XX
    const qsizetype ePos = e.indexOf(u'e');
    const int exponent = e.mid(ePos + 1).toInt();
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    return sign + e.left(ePos) + exponentSuffix(exponent);
}

QString plainForm(double value) {
    return generalText(static_cast<float>(val(exponentForm(value))));
}

QString sampledValueText(double value, bool expDisplay) {
    return expDisplay ? exponentForm(value) : plainForm(value);
}

std::optional<double> parseNumber(const QString& text) {
    QString t = text.trimmed();
    for (QChar& c : t) {
        if (c == u'D' || c == u'd')
            c = u'E';
    }
    if (t.isEmpty() || t.contains(u' '))
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString redisplaySampledText(const QString& text, bool expDisplay) {
    const std::optional<double> value = parseNumber(text);
    return value ? sampledValueText(*value, expDisplay) : text;
}

} // namespace tracol::numtext
