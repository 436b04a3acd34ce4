#pragma once
// What the position-to-value conversion needs from the main window: the axis
// kinds chosen with the option buttons, and the boxes that show its results.
// Form20 implements it; tests implement it with plain variables.

#include <QString>

namespace tracol {

enum class AxisKind {
    None,        // neither option button selected: the axis is not converted
    Linear,      // Option2(i) "X" / "Y"
    Logarithmic, // Option3(i) "Log(X)" / "Log(Y)"
};

enum class Axis { X, Y };

class ConversionView {
  public:
    virtual ~ConversionView() = default;

    virtual AxisKind axisKind(Axis axis) const = 0;
    // Text8 / Text9 of the main window: the sampled values.
    virtual void setSampledText(Axis axis, const QString& text) = 0;
    // Text1 / Text2 of the main window: the live readout.
    virtual void setReadoutText(Axis axis, const QString& text) = 0;
    // Text8 / Text9 of the DataSet window, written while sampling runs.
    virtual void setDataSetSampledText(Axis axis, const QString& text) = 0;
    // The main window's message area Text7 (shown, hidden again by Timer2).
    virtual void showMessage(const QString& message) = 0;
};

} // namespace tracol
