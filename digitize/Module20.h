#pragma once
// Module20: turning a position on the graph image into graph values, using
// the calibration of the main window (linear or logarithmic axes, bent at one
// optional mid point per axis).

#include "core/SharedState.h"
#include "digitize/ConversionView.h"

#include <optional>

namespace tracol::Module20 {

// Shown in the main window's message area when a click cannot be converted
// (equal anchors, a non-positive logarithmic ratio, a value beyond Single range).
inline const QString kConversionErrorMessage =
    QStringLiteral("<Convert Error>                       基本座標から変換できません");

enum class ConversionResult {
    NotConverted, // preconditions not met: nothing written
    Converted,    // the value texts were written
    Failed,       // the calibration is degenerate: a message, no value
};

// The graph value of ClickX (Axis::X) or ClickY (Axis::Y) under the given axis
// kind: linear results rounded to Single, logarithmic ones in Double. No value
// when the calibration is degenerate or the result leaves Single range.
std::optional<double> axisValue(const SharedState& state, Axis axis, AxisKind kind);

// Converts ClickX/ClickY for a click on the image: writes the sampled value
// texts (Text8/Text9 of the main window, and of the DataSet window while
// sampling). X is computed and written before Y; an axis with neither option
// selected is left as it was.
ConversionResult ConvertClick(SharedState& state, ConversionView& view);

// Converts ClickX/ClickY for the live readout: writes the trimmed texts to
// Text1/Text2 (and to the DataSet window while sampling). Arithmetic faults
// leave the affected texts as they were. The live readout also uses it for a
// click still pending.
void ConvertCursor(SharedState& state, ConversionView& view);

} // namespace tracol::Module20
