#pragma once
// The whole computation as one operation: the point tables prepared from the
// Lines (or taken as the DataSet window or keyboard entry prepared them), the
// parameter check, the fitting driver with its hooks, the detail list and the
// worksheet. The computation screen's start button and tracol-fit both run it.

#include "core/SharedState.h"
#include "data/DataSetPreparation.h"
#include "fit/Module1.h"
#include "output/Worksheet.h"

#include <QString>

namespace tracol {

struct ComputationRequest {
    // The point tables are prepared from the Lines' texts first, as the
    // DataSet window's "数式算出処理" does; otherwise they are used as they are.
    bool prepareFromLines = false;
    Module1::Hooks hooks;
    // Where the worksheet goes at the end of a completed computation; empty:
    // no worksheet.
    QString worksheetPath;
};

struct ComputationOutcome {
    PreparationOutcome preparation; // a refusal here means nothing was computed
    bool completed = false;         // the driver ran to its end (not aborted)
    bool worksheetWritten = false;  // the worksheet was asked for and written
    QString worksheetError;         // why it was not, when it was asked for
};

// List1..List4 hold the computation's texts afterwards (List2 only when it
// completed); ParametersNotNumeric carries the parameter check.
ComputationOutcome runComputationSequence(SharedState& state, const ComputationRequest& request);

} // namespace tracol
