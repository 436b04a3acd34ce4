#include "output/PlotTicks.h"

#include "output/PlotLabelFormat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tracol {

namespace {

// 10^e with the exact powers of ten of a double for |e| <= 22, so that
// 2 * 10^-1 is the double nearest 0.2.
double scaled(double m, int e) {
    if (e >= 0)
        return m * std::pow(10.0, e);
    return m / std::pow(10.0, -e);
}

const std::array<double, 93>& stepTable() {
    static const std::array<double, 93> table = [] {
        std::array<double, 93> values{};
        size_t i = 0;
        for (int e = -15; e <= 15; ++e)
            for (double m : {1.0, 2.0, 5.0})
                values[i++] = scaled(m, e);
        return values;
    }();
    return table;
}

// q, or the whole number next to it when q differs from it by Single rounding only.
double snappedQuotient(double q) {
    const double whole = std::round(q);
    return std::fabs(q - whole) <= 1e-6 * std::max(1.0, std::fabs(q)) ? whole : q;
}

} // namespace

std::optional<double> linearTickStep(double min, double max) {
    const double fifth = std::fabs(max - min) / 5;
    for (double step : stepTable())
        if (step > fifth)
            return step;
    return std::nullopt;
}

std::optional<LinearAxisTicks> linearAxisTicks(double min, double max) {
    const std::optional<double> step = linearTickStep(min, max);
    if (!step)
        return std::nullopt;
    const double first = std::floor(snappedQuotient(min / *step));
    const double last = std::ceil(snappedQuotient(max / *step));
    LinearAxisTicks ticks;
    ticks.step = *step;
    ticks.min = first * *step;
    ticks.max = last * *step;
    ticks.intervals = static_cast<int>(std::lround((ticks.max - ticks.min) / *step));
    return ticks;
}

std::vector<AxisMark> linearAxisMarks(const LinearAxisTicks& ticks) {
    std::vector<AxisMark> marks;
    const double first = std::round(ticks.min / ticks.step);
    for (int i = 0; i <= ticks.intervals; ++i)
        marks.push_back(AxisMark{(first + i) * ticks.step, 0}); // no running sum: no drift
    return marks;
}

LogAxisRange widenLogRange(double min, double max, bool xAxis) {
    const LeadingDigit lower = leadingDigitOf(min);
    const LeadingDigit upper = leadingDigitOf(max);
    LogAxisRange range;
    range.min = scaled(lower.digit, lower.exponent);
    const bool keepUpper = xAxis && upper.wholeDigit;
    range.max = scaled(keepUpper ? upper.digit : upper.digit + 1, upper.exponent);
    return range;
}

std::vector<AxisMark> logAxisMarks(double min, double max) {
    std::vector<AxisMark> marks;
    const LeadingDigit start = leadingDigitOf(min);
    // Mantissa and exponent are counted as integers: a running sum of 10^e
    // steps would miss the decade boundaries by rounding.
    int digit = start.digit;
    int exponent = start.exponent;
    const double end = max * (1 + 1e-9);
    while (static_cast<int>(marks.size()) < kMaxLogMarks) {
        const double value = scaled(digit, exponent);
        if (value > end)
            break;
        marks.push_back(AxisMark{value, digit});
        if (++digit > 9) {
            digit = 1;
            ++exponent;
        }
    }
    return marks;
}

QString labelledLogDigits(double decadeWidth) {
    if (decadeWidth <= 300)
        return QStringLiteral("1");
    if (decadeWidth <= 500)
        return QStringLiteral("15");
    if (decadeWidth <= 800)
        return QStringLiteral("125");
    if (decadeWidth <= 1000)
        return QStringLiteral("1235");
    if (decadeWidth <= 1500)
        return QStringLiteral("12357");
    return QStringLiteral("123456789");
}

} // namespace tracol
