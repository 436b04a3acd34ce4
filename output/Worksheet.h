#pragma once
// The worksheet "Rrr.csv": a CSV file of spreadsheet formulas that evaluates
// the fitted equations of all Lines at the X typed into B1 and interpolates
// over the Lines' Parameters to the Parameter typed into B2, giving Y in B4
// (D4 says "OK", or "NG" with B4 "範囲外" when nothing covers B1/B2).
//
// Layouts: three or more Lines fit a parabola over the Parameter, two a
// straight line, one Line takes its own Y. The section rows and the Parameter
// table run in ascending numeric order of the Parameters (equal ones in Line
// order): the table selects the Lines around B2 by comparing B2 with
// neighbouring rows, which needs the rows sorted by value.

#include "core/SharedState.h"

#include <QString>
#include <QStringList>

namespace tracol {

// Name of the worksheet in the working folder.
inline const QString kWorksheetFileName = QStringLiteral("Rrr.csv");

// The writable per-user folder for the worksheet (the platform's application
// data folder), created if missing. Called once at start-up; the result is
// kept in SharedState::WorkingFolder and passed to WriteWorksheet.
QString chooseWorkingFolder();

// The worksheet's text lines for the Lines 1..LinesInUse of the state: every
// cell quoted, inner quotes doubled. Empty when no Line is in use.
QStringList worksheetLines(const SharedState& state);

struct WorksheetWriteResult {
    bool ok = false;
    QString path;      // the worksheet file
    QString errorText; // shown when ok is false: "書込めません。" or the unwritable character
};

// Writes the whole worksheet to folder/Rrr.csv through AppendWorksheetLine.
// On failure the previous worksheet stays as it was and the result says why.
WorksheetWriteResult WriteWorksheet(const SharedState& state, const QString& folder);

// The same worksheet written to a file of any name (tracol-fit --worksheet).
WorksheetWriteResult writeWorksheetFile(const SharedState& state, const QString& path);

} // namespace tracol
