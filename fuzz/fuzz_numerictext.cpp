// Fuzz target: reading numbers from text and every number-to-text form,
// the fitting's coefficient format included.
//
// Input: the whole input as text for the readers; its first bytes also give a
// double (bytes 0..7), a float (8..11) and an integer (12..19) for the writers.
// Properties besides "no crash": a finite value written as text reads back
// within the precision of its form, a text the reader refuses is left alone by
// the re-display, the reader never gives NaN, and the value the fitting ranks
// by is the one its coefficient text reads back as.

#include "FuzzInput.h"

#include "core/NumericText.h"
#include "fit/KKAIKI.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace tracol;
using fuzz::require;

namespace {

// |back - value| within half a unit of the last of `digits` significant digits,
// and the rounding of the reading itself.
bool readsBackWithin(double back, double value, int digits) {
    const double tolerance = (0.5 * std::pow(10.0, 1 - digits) + 2 * DBL_EPSILON) * std::fabs(value);
    return std::fabs(back - value) <= tolerance;
}

void checkGeneralTexts(double d, float f) {
    const QString single = numtext::generalText(f);
    require(single.startsWith(u' ') || single.startsWith(u'-'), "general text starts with blank or -",
            single);
    if (std::isfinite(f)) {
        require(single.size() <= 15, "single general text is short", single);
        require(readsBackWithin(numtext::val(single), f, 7), "single reads back in 7 digits", single);
        require(numtext::trimmedText(f) == single.trimmed(), "trimmed text drops the blank", single);
    }

    const QString text = numtext::generalText(d);
    require(text.startsWith(u' ') || text.startsWith(u'-'), "general text starts with blank or -", text);
    // 15 digits of a value next to the largest double round beyond it and
    // cannot be read back; every other finite double can.
    if (std::isfinite(d) && std::fabs(d) < 1.79769313486231e308)
        require(readsBackWithin(numtext::val(text), d, 15), "double reads back in 15 digits", text);
}

void checkDisplayForms(double d) {
    static const QRegularExpression exponentShape(QStringLiteral("^-?\\d\\.\\d{5}E[+-]\\d{2,3}$"));
    const QString exponent = numtext::exponentForm(d);
    if (!std::isfinite(d) || d == 0)
        return;
    require(exponentShape.match(exponent).hasMatch(), "exponent form is #.#####E+00", exponent);
    require(readsBackWithin(numtext::val(exponent), d, 6), "exponent form reads back in 6 digits", exponent);

    const QString plain = numtext::plainForm(d);
    const double shown = numtext::val(exponent);
    if (std::fabs(shown) <= FLT_MAX && std::fabs(shown) >= FLT_MIN)
        require(readsBackWithin(numtext::val(plain), shown, 7), "plain form reads back", plain);
}

void checkIntegers(double d, qint64 i) {
    const std::optional<qint16> integer = numtext::toInteger(d);
    if (integer)
        require(std::fabs(double(*integer) - d) <= 0.5, "integer is the nearest", QString::number(d));
    else
        require(!std::isfinite(d) || numtext::roundHalfEven(d) < -32768 || numtext::roundHalfEven(d) > 32767,
                "integer refused only out of range", QString::number(d));

    require(numtext::val(numtext::generalText(i)) == double(i), "integer text reads back",
            numtext::generalText(i));
    require(numtext::plainInteger(i).toLongLong() == i, "plain integer reads back", numtext::plainInteger(i));
}

// The fitting ranks candidates by formattedValue, a fast way to the number
// the text of FormatCoefficient reads back as.
void checkCoefficientFormat(double d) {
    const QString text = KKAIKI::FormatCoefficient(d);
    require(text.size() == 12 || text.size() == 13 || !std::isfinite(d), "coefficient text is #.#####E+00",
            text);
    if (!std::isfinite(d))
        return;
    const double read = std::strtod(text.toLatin1().constData(), nullptr);
    const double ranked = KKAIKI::formattedValue(d);
    require(ranked == read && std::signbit(ranked) == std::signbit(read), "ranked value is the text's value",
            text + QStringLiteral(" ranked as ") + QString::number(ranked, 'g', 17));
}

void checkReaders(const QString& text) {
    require(!std::isnan(numtext::val(text)), "val never gives NaN", text);
    numtext::allCharsIn(text, numtext::kCalibrationChars);
    numtext::allCharsIn(text, numtext::kDataChars);
    numtext::allCharsIn(text, numtext::kSaveDialogChars);

    const std::optional<double> number = numtext::parseNumber(text);
    for (const bool expDisplay : {false, true}) {
        const QString shown = numtext::redisplaySampledText(text, expDisplay);
        if (!number)
            require(shown == text, "a text that is not a number is left as it was", text);
        else
            require(shown == numtext::sampledValueText(*number, expDisplay), "a number is shown again", text);
    }
    if (number)
        require(std::isfinite(*number), "a parsed number is finite", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkReaders(fuzz::inputText(data, size));

    const double d = fuzz::rawValue<double>(data, size, 0, 0.0);
    const float f = fuzz::rawValue<float>(data, size, 8, 0.0f);
    const qint64 i = fuzz::rawValue<qint64>(data, size, 12, 0);
    checkGeneralTexts(d, f);
    checkGeneralTexts(f, static_cast<float>(d == d && std::fabs(d) <= FLT_MAX ? d : 0.0));
    checkDisplayForms(d);
    checkDisplayForms(f);
    checkIntegers(d, i);
    checkCoefficientFormat(d);
    checkCoefficientFormat(f);
    return 0;
}
