#pragma once
// Number texts of the plot axes: the tick label patterns and the reading of a
// value's leading digit and decimal exponent from its exponent text.
//
//   |v| < 1e-7                 "#.0"            .0
//   |v| <= 1e-5 or >= 10000    "0.0##E+##"      1.2E+4, 5.0E-6, -3.125E+5
//   otherwise                  "######.######"  5.  2.5  .3  -1234.5
//
// The fixed pattern keeps its decimal point even when no decimal follows, and
// writes no digit before the point for magnitudes below 1, as the pattern
// "#" placeholders do.

#include <QString>

namespace tracol {

// The text of a tick label of value v by the table above.
QString tickLabelText(double v);

// v written with "######.######": at most six decimals, no trailing zeros,
// the point always present.
QString fixedPatternText(double v);

// v written with "0.0##E+##": one digit, one to three decimals, "E", the
// exponent's sign and its digits without padding.
QString exponentPatternText(double v);

// The leading digit d and exponent e of v > 0 read from its text "+d.dddE+e"
// (mantissa rounded to three decimals, so 9999.7 reads as 1.000E+4), and
// whether the three decimals are "000" (v is a whole leading digit).
struct LeadingDigit {
    int digit = 1;
    int exponent = 0;
    bool wholeDigit = false;
};
LeadingDigit leadingDigitOf(double v);

} // namespace tracol
