#pragma once
// The graph-data CSV of the plot screen (CsvPurpose 70): the collected points
// of every Line and points on every fitted section, laid out so that a
// spreadsheet charts data and curves together.
//
//   X_Data,Data1,..,DataN,Line1,..,LineN        header
//   x,,..,y                                     data of Line k: y in column Data k
//   x,,,..,y                                    curve of sorted position p: y in column Line p
//
// Data columns follow the Line numbers, curve columns the sorted parameter
// order (LineOrder). Plain text, code page 932, CR LF, no quoting.

#include "core/SharedState.h"
#include "data/DataSetFile.h"

#include <QString>
#include <QStringList>

namespace tracol {

// The file's lines. Samples every section with CurveSteps 29 (and sets it
// back to 299), so the curve buffers of the state change.
QStringList graphDataLines(SharedState& state);

// Writes the graph-data CSV to path; an existing file is replaced only by a
// complete new one. Fails with "書込めません。".
FileOutcome writeGraphDataCsv(SharedState& state, const QString& path);

// The save of the CSV / keyboard-data dialog: the graph-data CSV for
// CsvPurpose 70, the data-set blocks of all Lines (save kind 0) for 50.
FileOutcome writeCsvDialogFile(SharedState& state, qint16 csvPurpose, const QString& path);

} // namespace tracol
