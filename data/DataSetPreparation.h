#pragma once
// The DataSet window's work on the Line texts, without the window: counting
// the points of a Line whose text changed, and the computation start
// ("数式算出処理", also run by the save buttons to validate) that checks the
// Lines, orders them by parameter and fills the point tables for the fitting.

#include "core/SharedState.h"

#include <QString>

namespace tracol {

// Messages of the computation start, shown in the DataSet window's Text3.
inline const QString kNoDataMessage = QStringLiteral("データが無い");
inline const QString kLineGapMessage = QStringLiteral("データが無いパラメータ存在");
inline const QString kMissingXOrYMessage = QStringLiteral("X,Yデータがどちらか欠損");
inline const QString kNotNumericMessage = QStringLiteral("数値として判断されない");
inline const QString kTooFewPointsMessage = QStringLiteral("データが少ない");

// Result of counting the points of a changed Line.
struct PointCountUpdate {
    enum class Kind {
        NoPoints, // no comma: Text6 shows "0", the Line holds no points
        Typing,   // the text ends with a comma (a point being typed): nothing changes
        Counted,  // PointCount and LineText were set; the labels are marked again
    };
    Kind kind = Kind::NoPoints;
    qint16 count = 0;               // the Line's point count now (what Text6 shows)
    bool pointsBeyondLimit = false; // more than 100 points: only the first 100 count
};

// The Line text (LineBox) of `line` changed: count its points (commas, at most
// 100) and refresh PointCount and LineText, the latter cleaned of empty lines
// and written with CR LF line ends.
PointCountUpdate countLinePoints(SharedState& state, int line);

// Result of a computation start; the message is empty when the Lines passed.
struct PreparationOutcome {
    QString message;                // for the message field; empty = passed
    bool pointsBeyondLimit = false; // a Line holds more than 100 points
    bool ok() const { return message.isEmpty(); }
};

// The DataSet window's computation start, steps up to the hand-over: checks
// the Lines (SingleLine alone when it is set, else all from Line 1), sets
// LinesInUse, trims and sorts the parameters into SortedParameter and
// LineOrder, fills PointXText/PointYText, LoadedLineKind/LoadedLineCount and
// WorkEstimate. Clears KeyboardDataActive. The window does the rest (hiding
// windows, opening the computation screen unless ValidateOnly).
PreparationOutcome prepareComputation(SharedState& state);

// Expected number of fitting trials of a Line of n points, added to
// `estimate` the way the progress display counts them (with the minimum
// section size and the step of the fitting driver's split search).
int addWorkEstimate(int estimate, int n);

// A summed estimate as WorkEstimate holds it: kept within 0..32767.
qint16 workEstimateValue(int estimate);

// Orders Lines 1..LinesInUse by their parameter texts (character codes, so
// "10" before "9"): trims LineParameter, fills SortedParameter and LineOrder.
// Every Line appears once in LineOrder; Lines with equal parameter texts keep
// their Line-number order.
void orderLinesByParameter(SharedState& state);

} // namespace tracol
