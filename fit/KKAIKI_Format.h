#pragma once
// Internal to the fitting engine: the coefficient format as plain ASCII, for
// the hot paths that rank candidates without building QStrings.

#include <string>

namespace tracol::KKAIKI {

// The text of FormatCoefficient(v) (non-finite values give " INF", "-INF", "-NaN").
std::string formatCoefficientAscii(double v);

} // namespace tracol::KKAIKI
