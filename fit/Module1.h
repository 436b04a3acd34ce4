#pragma once
// The fitting driver: for every Line taking part, in parameter order, sort the
// points by X, fit the whole range, and split the Line into two and then three
// sections until the cutoff error is met; store the winners in FitResult and
// write the computation screen's lists.
//
// Inputs (SharedState): LinesInUse, LineOrder, LoadedLineCount, PointXText,
// PointYText, LineParameter, WorkEstimate, CutoffError, ErrorMode,
// MaxDivisions, ExcludedSystems.
// Outputs: FitResult, RelationProgramLines, FitCount, LineXMax..LineYMin (per
// position in LineOrder), OverallXMax..OverallYMin, EquationStatusCode,
// PlotDefaultXMin/XMax, List1 (trace), List3 (relation lines), List4 (report).
// List2 (details) is filled by fillDetailList after a computation that was not
// aborted. The sort writes the points of every computed Line back, sorted, as
// trimmed single-precision texts.

#include "core/SharedState.h"
#include "fit/KKAIKI.h"

#include <QString>

#include <functional>

namespace tracol::Module1 {

// Three-section trials of one computation (all Lines together) after which
// every three-section search stops right after its current trial.
constexpr qint32 kThreeSectionTrialCap = 29999;

struct Hooks {
    // Called before every regression call and after every trial; a window
    // processes events here (the abort button sets SharedState::AbortRequested).
    std::function<void()> yield;
    // Called after every counted fit (whole-range fit and every trial) with FitCount.
    std::function<void(qint32 fitCount)> progress;
    // false skips the List1 trace lines (command line, benchmark).
    bool buildTrace = true;
    qint32 threeSectionTrialCap = kThreeSectionTrialCap;
};

// Runs the whole computation. A request left over from an earlier run is
// cleared first. Returns false when it stopped on AbortRequested (the request
// is left set for the caller to clear; no report is produced and the Line
// being searched keeps what it had stored).
bool RunComputation(SharedState& state, const Hooks& hooks = {});

// Step 6 for the Line at LineOrder position: its RelationProgramLines and its
// List3 lines (field line and relation line per section).
void appendRelationLines(SharedState& state, int position);

// List2: the details of the stored equations per Line and section.
void fillDetailList(SharedState& state);

// List4 for one Line / for several Lines (RunComputation calls the right one).
void SingleLineReport(SharedState& state);
void MultiLineReport(SharedState& state);

// The start button's check: clears ParametersNotNumeric, then sets it when
// the parameter text of a Line taking part has a character outside
// "0123456789.-+EDde". Returns the mark.
bool checkParameters(SharedState& state);

// Combined error of a split into sections 0..sections-1 (errors and point
// counts): mode 0 the largest section error; mode 1 the point-weighted mean;
// mode 2 with three sections the point-weighted mean of the largest error
// (the first among equals) and the larger of the other two (ties: the earlier
// section), with two sections the point-weighted mean.
float combinedError(int errorMode, const float* errors, const int* points, int sections);

// The candidate a fit keeps: the first whose error value is strictly below
// the best so far, starting from 1e6; 0 when there is none.
int bestCandidate(const KKAIKI::CandidateTable& table);

// Minimum number of points of a section and the step of the split search for
// a Line of n points.
int minimumSectionSize(int n);
int searchStep(int n);

// Length of the progress window's bar of "*": CInt(FitCount * 25 /
// WorkEstimate * 1.035); 0 without an estimate.
int progressBarLength(qint32 fitCount, qint32 workEstimate);

// Gr of an error as the lists show it: Int((-12.3315 ln e - 13.5774) * 100) / 100,
// 0 when not positive.
double listedGr(double error);

} // namespace tracol::Module1
