#include "core/SharedState.h"

namespace tracol {

void resetCalibration(SharedState& state) {
    state.PixXmin = state.PixXmax = state.PixYmin = state.PixYmax = 0;
    state.XminMarked = state.XmaxMarked = state.YminMarked = state.YmaxMarked = false;
    state.BaseValuesOk = false;
    state.AutoConfirmDone = false;
    state.XAxisDrawn = state.YAxisDrawn = false;
    state.BaseConfirmed = false;
    state.ConversionOn = false;
    state.NotReady = true;
}

} // namespace tracol
