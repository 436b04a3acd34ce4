#pragma once
// The plotted range of the plot screen: the four range fields Text1..Text4
// (Xmin, Xmax, Ymin, Ymax), the standard range found when the screen opens,
// the Log boxes' start from the main window's axis choices, and the check
// that decides whether a range can be drawn at all.
//
// Opening the screen (and every activation):
//   1. the data range over every point of every Line in use, starting from
//      1e15 for the minima and -1e15 for the maxima;
//   2. a field whose value is not 0 replaces its extreme, so a typed range
//      survives re-activation;
//   3. the four values are the standard range ("標準座標") and are written
//      back into the fields as general number texts;
//   4. Check1 / Check2 are ticked unless the main window's X / Y axis is
//      linear (Option2(0) / Option2(1)).

#include "core/SharedState.h"
#include "digitize/ConversionView.h"

#include <QString>

namespace tracol {

struct PlotRangeTexts {
    QString xMin, xMax, yMin, yMax; // Text1..Text4
};

struct PlotRangeValues {
    float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// The fields read as Single numbers.
PlotRangeValues readPlotRange(const PlotRangeTexts& texts);

// The fields' texts of a range: general number texts of the Single values.
PlotRangeTexts plotRangeTexts(const PlotRangeValues& range);

// The extremes of every point of Lines 1..LinesInUse (points
// 1..LoadedLineCount), from 1e15 / -1e15.
PlotRangeValues dataRange(const SharedState& state);

// Steps 1 to 3 above: the standard range for the current fields.
PlotRangeValues standardPlotRange(const SharedState& state, const PlotRangeTexts& fields);

// Step 4: whether the Log box of an axis starts ticked.
bool logBoxStartsChecked(AxisKind mainWindowChoice);

// A range is unusable when Xmax <= Xmin, or when the X Log box is ticked and
// Xmin <= 0 or Xmax <= 0. So that no axis is drawn over an empty or reversed
// width, Ymax <= Ymin and values that are not finite numbers are unusable too.
bool plotRangeUsable(const PlotRangeValues& range, bool logXChecked);

} // namespace tracol
