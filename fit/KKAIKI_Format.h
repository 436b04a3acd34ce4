#pragma once
// Internal to the fitting engine: the coefficient format as plain ASCII, for
// the hot paths that rank candidates without building QStrings.

#include <string>

namespace tracol::KKAIKI {

// The text of FormatCoefficient(v) (non-finite values give " INF", "-INF", "-NaN").
std::string formatCoefficientAscii(double v);

// The number the text of FormatCoefficient(v) reads back as, by reading the
// text (formattedValue gives the same without building it in most cases).
double formattedValueFromText(double v);

} // namespace tracol::KKAIKI
