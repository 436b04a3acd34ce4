#include "digitize/CalibrationCheck.h"

namespace tracol {

using namespace calibration_messages;

namespace Module20 {

ReadinessDecision CheckLogInputs(SharedState& state, const CalibrationInputs& in) {
    ReadinessDecision decision;
    state.ConversionOn = true;
    state.NotReady = false;
    state.CheckedBaseCount = static_cast<qint16>(in.checkedCount());
    if (in.markedCount() == 4)
        state.BaseValuesOk = true;
    else
        state.NotReady = true;

    if (in.anyValueEmpty() || in.value(4) <= in.value(3)) {
        state.NotReady = true;
    } else if (in.value(6) <= in.value(5)) {
        state.NotReady = true;
        state.BaseValuesOk = false;
    } else {
        state.BaseValuesOk = true;
        if (!in.allPassLogTest()) {
            decision.message = kLogUnsuitable;
            state.NotReady = true;
        }
    }

    if (state.NotReady) {
        state.ConversionOn = false;
    } else {
        decision.ready = true;
        state.BaseConfirmed = true;
    }
    return decision;
}

} // namespace Module20

ConfirmationDecision confirmBaseCoordinates(SharedState& state, const CalibrationInputs& in) {
    ConfirmationDecision decision;
    if (!in.allPassLogTest()) {
        state.NotReady = true;
    } else {
        state.ConversionOn = true;
        state.NotReady = false;
        state.CheckedBaseCount = static_cast<qint16>(in.checkedCount());
        // A box that is checked but still waits for its click counts as missing.
        if (in.markedCount() != 4) {
            decision.message = kBoxesMissing;
            state.NotReady = true;
            state.BaseValuesOk = false;
            decision.valuesBlue = false;
        } else {
            state.BaseValuesOk = true;
            decision.valuesBlue = true;
            if (in.anyValueEmpty()) {
                decision.message = kValuesMissing;
                state.NotReady = true;
                state.BaseValuesOk = false;
                decision.stoppedAtEmptyValue = true;
                return decision;
            }
            if (in.value(4) <= in.value(3)) {
                decision.message = kXmaxNotAboveXmin;
                state.NotReady = true;
            } else if (in.value(6) <= in.value(5)) {
                decision.message = kYmaxNotAboveYmin;
                state.NotReady = true;
                state.BaseValuesOk = false;
            } else {
                state.BaseConfirmed = true;
                decision.midControlsEnabled = true;
            }
        }
    }
    if (state.NotReady)
        state.ConversionOn = false;
    else
        decision.ready = true;
    return decision;
}

namespace {

int orderedLimits(const CalibrationInputs& in) {
    return (in.value(4) > in.value(3) ? 1 : 0) + (in.value(6) > in.value(5) ? 1 : 0);
}

int filledValues(const CalibrationInputs& in) {
    int count = 0;
    for (int box = 3; box <= 6; ++box) {
        if (!in.valueText[box].trimmed().isEmpty())
            ++count;
    }
    return count;
}

} // namespace

AutoConfirmation autoConfirm(SharedState& state, CalibrationFrame frame,
                             const std::function<CalibrationInputs()>& inputs,
                             const std::function<void()>& runConfirmation) {
    AutoConfirmation result;
    if (!state.BaseValuesOk) {
        const CalibrationInputs in = inputs();
        if (in.markedCount() + orderedLimits(in) == 6)
            state.BaseValuesOk = true;
    }
    const bool waiting = state.BaseValuesOk && !state.AutoConfirmDone && state.XAxisDrawn && state.YAxisDrawn;
    if (frame == CalibrationFrame::Base && waiting) {
        if (inputs().markedCount() < 4)
            runConfirmation();
        const CalibrationInputs in = inputs();
        const bool complete = state.BaseValuesOk && filledValues(in) + orderedLimits(in) == 6;
        state.BaseConfirmed = complete;
        result.confirmed = complete;
        state.AutoConfirmDone = true;
    } else if (frame == CalibrationFrame::Settings && waiting && !state.NotReady) {
        runConfirmation();
        result.confirmed = true;
        state.AutoConfirmDone = true;
    }
    return result;
}

} // namespace tracol
