#pragma once
// The marks of the plot axes: the tick step and the tick grid of a linear
// axis, the widening of a logarithmic axis to whole leading digits and its
// marks, and which logarithmic marks carry a label.
//
// Linear axis. The step is the first value of the table
//   1, 2, 5 x 10^e,  e = -15 .. 15  (93 values, ascending)
// strictly greater than |max - min| / 5. The axis is then extended to the
// grid of that step:
//   min' = Int(min / step) * step        (Int: the next lower integer)
//   max' = the smallest multiple of step >= max
//   intervals = (max' - min') / step, to the nearest integer.
// The range values are Singles, so a quotient within Single rounding of a
// whole number counts as that whole number (Xmax 0.3 with step 0.1 ends at
// 0.3, not at 0.4).
//
// Logarithmic axis. The lower end becomes d * 10^e from its leading digit d
// and exponent e, the upper end (d + 1) * 10^e from its own; on the X axis an
// upper end that already is a whole leading digit (its text "+d.000E+e")
// stays d * 10^e. Marks stand at every whole mantissa m = 1..9 of every
// decade from the lower end to the upper end, at most 200 per axis. A mark is
// labelled when m is in the digit set chosen by the drawn width w of one
// decade (drawing units):
//   w <= 300: "1"   <= 500: "15"   <= 800: "125"   <= 1000: "1235"
//   <= 1500: "12357"   above: "123456789"

#include <QString>

#include <optional>
#include <vector>

namespace tracol {

// A mark of an axis: its value and, on a logarithmic axis, the leading digit
// 1..9 of its mantissa (0 on a linear axis, where every mark is labelled).
struct AxisMark {
    double value = 0;
    int digit = 0;
};

struct LinearAxisTicks {
    double min = 0, max = 0; // the range after extension to the tick grid
    double step = 0;
    int intervals = 0;
};

// The first table value strictly greater than |max - min| / 5; none when the
// range needs a step beyond 5 x 10^15 (or is not a number).
std::optional<double> linearTickStep(double min, double max);

// Step and extension of a linear axis; none when there is no step.
std::optional<LinearAxisTicks> linearAxisTicks(double min, double max);

// The marks min', min' + step, ..., max' of an extended linear axis.
std::vector<AxisMark> linearAxisMarks(const LinearAxisTicks& ticks);

struct LogAxisRange {
    double min = 0, max = 0;
};

// The range of a logarithmic axis (min > 0) widened to whole leading digits;
// xAxis selects the X axis' reading of the upper end.
LogAxisRange widenLogRange(double min, double max, bool xAxis);

inline constexpr int kMaxLogMarks = 200;

// Marks at every whole mantissa of every decade from min to max (both ends of
// a widened range are whole leading digits), at most kMaxLogMarks.
std::vector<AxisMark> logAxisMarks(double min, double max);

// The mantissa digits labelled on a logarithmic axis whose decade is drawn
// decadeWidth drawing units wide.
QString labelledLogDigits(double decadeWidth);

} // namespace tracol
