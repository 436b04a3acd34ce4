#include "fit/ComputationSequence.h"

namespace tracol {

ComputationOutcome runComputationSequence(SharedState& state, const ComputationRequest& request) {
    ComputationOutcome outcome;
    if (request.prepareFromLines) {
        state.SingleLine = 0;
        state.ValidateOnly = false;
        outcome.preparation = prepareComputation(state);
        if (!outcome.preparation.ok())
            return outcome;
    }
    Module1::checkParameters(state);
    if (!request.worksheetPath.isEmpty())
        state.WorksheetCurrent = false; // until the new one is on disk
    outcome.completed = Module1::RunComputation(state, request.hooks);
    if (!outcome.completed)
        return outcome;
    Module1::fillDetailList(state);
    if (!request.worksheetPath.isEmpty()) {
        const WorksheetWriteResult written = writeWorksheetFile(state, request.worksheetPath);
        outcome.worksheetWritten = written.ok;
        state.WorksheetCurrent = written.ok;
        outcome.worksheetError = written.errorText;
    }
    return outcome;
}

} // namespace tracol
