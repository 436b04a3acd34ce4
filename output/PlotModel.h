#pragma once
// The plot of the plot screen gathered from the shared state: the drawing's
// range check and axes, the sorting of every Line's points, the data points
// within the range, the Parameter anchors and, once the fitting has run, the
// curve of every section (SampleSectionCurve with 299 intervals).
//
// A drawing, step by step:
//   1. Xmin, Xmax, Ymin, Ymax are read from the range fields; an unusable
//      range (output/PlotRange.h) draws nothing and changes nothing.
//   2. PlotLogX := Check1, PlotLogY := Check2, each forced off when its axis'
//      minimum is <= 0 (the boxes stay as they are).
//   3. Each axis gets its marks (output/PlotTicks.h): a linear axis is
//      extended to its tick grid, a logarithmic one widened to whole leading
//      digits.
//   4. Every Line in use is sorted by ascending X and its point texts are
//      rewritten in that order as trimmed general texts of Single values.
//   5. Points whose X and Y lie within the plotted range become data circles.
//   6. When the fitting has run, every section of every Line in use is set up
//      from the result store and sampled. The sampler switches PlotLogX off
//      for good when a section starts at X <= 0; the axes keep the mapping
//      they were drawn with, and the data records the switch.

#include "core/SharedState.h"
#include "output/PlotData.h"
#include "output/PlotRange.h"

namespace tracol {

struct PlotRequest {
    PlotRangeTexts range;        // Text1..Text4
    bool logXChecked = false;    // Check1
    bool logYChecked = false;    // Check2
    bool showParameters = false; // ParaShown: "Para表示" shows the Parameter labels
    bool fittingRun = false;     // the computation has stored results: draw the curves
};

// Sorts the points 1..LoadedLineCount of a Line by ascending X (Y carried
// along) and writes them back as trimmed general texts of their Single
// values; an empty Y text comes back as "0".
void sortLinePoints(SharedState& state, int line);

// Steps 1 to 6 above. Writes PlotLogX, the sorted point texts and the curve
// buffers of the state; an unusable range leaves the state untouched.
PlotData gatherPlotData(SharedState& state, const PlotRequest& request);

} // namespace tracol
