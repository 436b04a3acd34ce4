#pragma once
// Equation texts and curve evaluation of the fitted sections: the value of
// every equation kind at an X, the spreadsheet formula of a kind, and the
// sampler that turns one section into curve points and a Y extent.
//
// Equation kinds 1..21 are (coordinate system - 1) * 3 + degree with the
// systems 1 X-Y, 2 Ln(X)-Y, 3 X-Ln(Y), 4 Ln(X)-Ln(Y), 5 1/X-Y, 6 X-1/Y,
// 7 1/X-1/Y (the equation numbers of fit/KKAIKI.h); kind 0 is "no equation".
// Coefficients a, b, c, d run from the highest power down.

#include "core/SharedState.h"

#include <QString>

#include <optional>

namespace tracol::Module70 {

// Y of equation kind 1..21 at x, computed in double precision without any of
// the sampler's guards; no value where the equation is undefined (ln of
// X <= 0, 1/0, a zero denominator) or the result is not a finite number.
std::optional<double> equationY(int kind, double a, double b, double c, double d, double x);

// The spreadsheet formula of a kind with X taken from $B$1, e.g.
// "=2*$B$1-.5" for kind 1; empty for a kind outside 1..21. Coefficients are
// written as trimmed Single general texts; b, c and d get a "+" in front unless
// their own text starts with "-".
QString SheetFormulaText(qint16 kind, float a, float b, float c, float d);

// Prepares the sampler for section `section` of Line `line` from the result
// store: CurveKind, the coefficients in the slot of the kind, CurveLine and
// CurveSection, and the X range from the X texts of the section's first and
// last point when these differ (otherwise the range last set stays).
void setUpSectionCurve(SharedState& state, int line, int section);

// Samples the section set up in the shared state: fills CurveX/CurveY
// (slots 1..CurvePointCount) and SectionYMin/SectionYMax. Linear X stepping,
// or geometric stepping when PlotLogX is on; PlotLogX is switched off for good
// when the section starts at X <= 0. CurveSteps other than 29 becomes 299.
void SampleSectionCurve(SharedState& state);

} // namespace tracol::Module70
