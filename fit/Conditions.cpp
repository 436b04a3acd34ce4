#include "fit/Conditions.h"

#include "core/NumericText.h"
#include "fit/SingleValue.h"

#include <algorithm>
#include <cmath>

namespace tracol::Conditions {

using numtext::generalText;
using numtext::trimmedText;

void setStandardSystems(SharedState& state) {
    state.ExcludedSystems[1] = 0;
    for (size_t s = 2; s <= 7; ++s)
        state.ExcludedSystems[s] = 1;
}

void setStartValues(SharedState& state) {
    state.ErrorMode = kStandardErrorMode;
    state.MaxDivisions = kStandardMaxDivisions;
    state.ExcludedSystems[0] = 0;
    for (size_t s = 1; s <= 7; ++s)
        state.ExcludedSystems[s] = 1;
}

void setStandardValues(SharedState& state) {
    state.CutoffError = kStandardCutoffError;
    state.ErrorMode = kStandardErrorMode;
    state.MaxDivisions = kStandardMaxDivisions;
    setStandardSystems(state);
}

void includeAllSystems(SharedState& state) {
    state.AllSystemsFlag = true;
    for (size_t s = 1; s <= 7; ++s)
        state.ExcludedSystems[s] = 0;
}

double grFromCutoff(double cutoffError) {
    return -12.3315 * std::log(cutoffError) - 13.5774;
}

double cutoffFromGr(double gr) {
    return std::exp(-(gr + 13.5774) / 12.3315);
}

float singleGr(float cutoffError) {
    return toSingle(grFromCutoff(cutoffError));
}

namespace {

// Int(x): the largest integer not above x.
float truncatedSingle(double scaled, double divisor) {
    return static_cast<float>(std::floor(scaled) / divisor);
}

float grTenths(float cutoffError) {
    return truncatedSingle(double(singleGr(cutoffError)) * 10, 10);
}

} // namespace

float grHundredths(float cutoffError) {
    return truncatedSingle(double(singleGr(cutoffError)) * 100, 100);
}

QString grTextHundredths(float cutoffError) {
    return trimmedText(grHundredths(cutoffError));
}

QString grTextWhileTyping(float cutoffError) {
    return trimmedText(truncatedSingle(double(singleGr(cutoffError)) * 10 + 0.01, 10));
}

QString grTextTenths(float cutoffError) {
    return trimmedText(grTenths(cutoffError));
}

QString grLabelOnOpening(float cutoffError) {
    return QStringLiteral("Gr = ") + grTextHundredths(cutoffError);
}

QString grLabelWhileTyping(float cutoffError) {
    return QStringLiteral("Gr = ") + grTextWhileTyping(cutoffError);
}

QString grLabelStandard(float cutoffError) {
    return QStringLiteral("Gr =") + generalText(grTenths(cutoffError));
}

float cutoffFromScroll(int value) {
    return static_cast<float>(cutoffFromGr(value));
}

int scrollAfterScrolling(float cutoffError) {
    const double hundredths = std::floor(double(singleGr(cutoffError)) * 100) / 100;
    const double rounded = numtext::roundHalfEven(hundredths);
    return static_cast<int>(std::clamp(rounded, 0.0, 120.0));
}

int scrollFromCutoff(float cutoffError) {
    double gr = singleGr(cutoffError);
    if (!(gr > 0))
        gr = 0;
    return static_cast<int>(numtext::roundHalfEven(std::min(gr, 120.0)));
}

QString cutoffTextFromScroll(float cutoffError) {
    return QString::number(double(cutoffError), 'f', 5);
}

QString cutoffText(float cutoffError) {
    return trimmedText(cutoffError);
}

std::optional<float> cutoffFromText(const QString& text) {
    const std::optional<double> value = numtext::parseNumber(text);
    if (!value)
        return std::nullopt;
    return toSingle(*value);
}

std::optional<qint16> errorModeFromText(const QString& text) {
    const std::optional<double> value = numtext::parseNumber(text);
    return value ? numtext::toInteger(*value) : std::nullopt;
}

std::optional<qint16> maxDivisionsFromText(const QString& text) {
    return errorModeFromText(text);
}

DecideResult decide(SharedState& state, const std::array<bool, 7>& excludedChecked, const QString& text1,
                    const QString& text2, const QString& text3) {
    DecideResult result;
    const auto included = std::count(excludedChecked.begin(), excludedChecked.end(), false);
    // With no system left the window stays open, and "ｷｬﾝｾﾙ" does not restore
    // the systems: the refused choice is not taken over, or every later fit
    // would find no equation at all.
    if (included == 0) {
        result.noSystemIncluded = true;
        return result;
    }
    for (size_t j = 0; j < 7; ++j)
        state.ExcludedSystems[j + 1] = excludedChecked[j] ? 1 : 0;
    state.AllSystemsFlag = included == 7;

    const QString cutoffText = text2.trimmed();
    const double cutoff = numtext::val(cutoffText);
    if (numtext::allCharsIn(cutoffText, kCutoffChars) && cutoff > 0 && cutoff < 0.75)
        state.CutoffError = static_cast<float>(cutoff);
    else
        result.cutoffError = true;

    const bool modeCharsOk = numtext::allCharsIn(text1, kModeChars);
    // A value that rounds to no section at all (0 < value < 0.5) would leave a
    // Line without any stored result: refused like any other bad count.
    const double divisions = numtext::val(text3);
    result.divisionsError = !(divisions > 0 && divisions < 3.01) || numtext::roundHalfEven(divisions) < 1;

    const double mode = numtext::val(text1);
    if (mode == 0 || mode == 1 || mode == 2) {
        state.ErrorMode = static_cast<qint16>(mode);
        result.modeError = !modeCharsOk;
    } else {
        result.modeError = true;
    }
    return result;
}

SavedConditions saveOnOpening(SharedState& state) {
    SavedConditions saved{state.CutoffError, state.ErrorMode, state.MaxDivisions};
    if (state.MaxDivisions == 0)
        state.MaxDivisions = kStandardMaxDivisions;
    return saved;
}

void restore(SharedState& state, const SavedConditions& saved) {
    state.CutoffError = saved.CutoffError;
    state.ErrorMode = saved.ErrorMode;
    state.MaxDivisions = saved.MaxDivisions;
}

} // namespace tracol::Conditions
