#pragma once
// Changes to the Lines that the windows make on the user's behalf: a sampled
// point appended to a Line, and a Line deleted with the Lines after it moving
// up one place. (Emptying every Line is resetLines of DataSetFile.h.) The
// windows show the Lines again from the shared state afterwards.

#include "core/SharedState.h"

#include <QString>

namespace tracol {

// A click converted while sampling: "X,Y" + CR LF appended to Line `line`
// (X and Y as displayed, blanks at both ends removed) and its point count
// raised by one. A last line typed without its line end gets one first.
void appendSampledPoint(SharedState& state, int line, const QString& xText, const QString& yText);

// "選択Line削除": Line `line` (1..10) goes; each later Line takes the place
// before it (text, staging copy, count and parameter), and Line 10 is left
// empty with the parameter "10".
void deleteLineAndShift(SharedState& state, int line);

} // namespace tracol
