#pragma once
// What the image window asks of the main window's calibration controls while
// the user clicks on the graph: the conversion's boxes (ConversionView), the
// base check boxes, the readouts and the pointer. Form20 implements it.

#include "digitize/CalibrationInputs.h"
#include "digitize/ConversionView.h"

#include <QString>

namespace tracol {

class CalibrationPanel : public ConversionView {
  public:
    // What the calibration rules read from the controls.
    virtual CalibrationInputs calibrationInputs() const = 0;
    // CheckLogInputs of Module20, shown in the main window.
    virtual void runCheckLogInputs() = 0;
    virtual int checkedBaseBoxCount() const = 0;
    // Sets base box 1..4 (Check1..Check4); its click handling runs.
    virtual void setBaseBoxChecked(int box, bool checked) = 0;
    // A new image or a paste: the four base boxes unchecked, the marks forgotten.
    virtual void clearBaseMarks() = 0;

    // Text1 / Text2: a picture position.
    virtual void showPosition(qint32 x, qint32 y) = 0;
    // Text8 = Text1, Text9 = Text2.
    virtual void copyReadoutToSampled() = 0;
    // Text8 / Text9.
    virtual QString sampledText(Axis axis) const = 0;
    // Timer1 on.
    virtual void enableLiveReadout() = 0;
    // Text12 hidden.
    virtual void hideHint() = 0;
    // Text3..Text6 focused.
    virtual void focusValueBox(int box) = 0;
    // Pointer kind of the main window.
    virtual void setWorkPointer(int kind) = 0;
};

} // namespace tracol
