#include "fit/Conditions.h"

#include "core/NumericText.h"
#include "fit/SingleValue.h"

#include <algorithm>
#include <cmath>

namespace tracol::Conditions {

using numtext::generalText;
using numtext::trimmedText;

void SetStandardSystems(SharedState& state) {
    state.ExcludedSystems[1] = 0;
    for (size_t s = 2; s <= 7; ++s)
        state.ExcludedSystems[s] = 1;
}

void SetStartValues(SharedState& state) {
    state.ErrorMode = kStandardErrorMode;
    state.MaxDivisions = kStandardMaxDivisions;
    state.ExcludedSystems[0] = 0;
    for (size_t s = 1; s <= 7; ++s)
        state.ExcludedSystems[s] = 1;
}

void SetStandardValues(SharedState& state) {
    state.CutoffError = kStandardCutoffError;
    state.ErrorMode = kStandardErrorMode;
    state.MaxDivisions = kStandardMaxDivisions;
    SetStandardSystems(state);
}

void IncludeAllSystems(SharedState& state) {
    state.AllSystemsFlag = true;
    for (size_t s = 1; s <= 7; ++s)
        state.ExcludedSystems[s] = 0;
}

double GrFromCutoff(double cutoffError) {
    return -12.3315 * std::log(cutoffError) - 13.5774;
}

double CutoffFromGr(double gr) {
    return std::exp(-(gr + 13.5774) / 12.3315);
}

float SingleGr(float cutoffError) {
    return toSingle(GrFromCutoff(cutoffError));
}

namespace {

// Int(x): the largest integer not above x.
float truncatedSingle(double scaled, double divisor) {
    return static_cast<float>(std::floor(scaled) / divisor);
}

float grTenths(float cutoffError) {
    return truncatedSingle(double(SingleGr(cutoffError)) * 10, 10);
}

} // namespace

float GrHundredths(float cutoffError) {
    return truncatedSingle(double(SingleGr(cutoffError)) * 100, 100);
}

QString GrTextHundredths(float cutoffError) {
    return trimmedText(GrHundredths(cutoffError));
}

QString GrTextWhileTyping(float cutoffError) {
    return trimmedText(truncatedSingle(double(SingleGr(cutoffError)) * 10 + 0.01, 10));
}

QString GrTextTenths(float cutoffError) {
    return trimmedText(grTenths(cutoffError));
}

QString GrLabelOnOpening(float cutoffError) {
    return QStringLiteral("Gr = ") + GrTextHundredths(cutoffError);
}

QString GrLabelWhileTyping(float cutoffError) {
    return QStringLiteral("Gr = ") + GrTextWhileTyping(cutoffError);
}

QString GrLabelStandard(float cutoffError) {
    return QStringLiteral("Gr =") + generalText(grTenths(cutoffError));
}

float CutoffFromScroll(int value) {
    return static_cast<float>(CutoffFromGr(value));
}

int ScrollAfterScrolling(float cutoffError) {
    const double hundredths = std::floor(double(SingleGr(cutoffError)) * 100) / 100;
    const double rounded = numtext::roundHalfEven(hundredths);
    return static_cast<int>(std::clamp(rounded, 0.0, 120.0));
}

int ScrollFromCutoff(float cutoffError) {
    double gr = SingleGr(cutoffError);
    if (!(gr > 0))
        gr = 0;
    return static_cast<int>(numtext::roundHalfEven(std::min(gr, 120.0)));
}

QString CutoffTextFromScroll(float cutoffError) {
    return QString::number(double(cutoffError), 'f', 5);
}

QString CutoffText(float cutoffError) {
    return trimmedText(cutoffError);
}

std::optional<float> CutoffFromText(const QString& text) {
    const std::optional<double> value = numtext::parseNumber(text);
    if (!value)
        return std::nullopt;
    return toSingle(*value);
}

std::optional<qint16> ErrorModeFromText(const QString& text) {
    const std::optional<double> value = numtext::parseNumber(text);
    return value ? numtext::toInteger(*value) : std::nullopt;
}

std::optional<qint16> MaxDivisionsFromText(const QString& text) {
    return ErrorModeFromText(text);
}

DecideResult Decide(SharedState& state, const std::array<bool, 7>& excludedChecked, const QString& text1,
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

SavedConditions SaveOnOpening(SharedState& state) {
    SavedConditions saved{state.CutoffError, state.ErrorMode, state.MaxDivisions};
    if (state.MaxDivisions == 0)
        state.MaxDivisions = kStandardMaxDivisions;
    return saved;
}

void Restore(SharedState& state, const SavedConditions& saved) {
    state.CutoffError = saved.CutoffError;
    state.ErrorMode = saved.ErrorMode;
    state.MaxDivisions = saved.MaxDivisions;
}

} // namespace tracol::Conditions
