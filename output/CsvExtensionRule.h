#pragma once
// The extension rule of the CSV / keyboard-data save dialog: the three
// characters after the first dot of the file name, compared without regard to
// case, must be "csv" for graph data (CsvPurpose 70) and "dat" or "txt" for
// keyboard data (CsvPurpose 50). Otherwise the dialog asks whether to go on.

#include "core/Purposes.h"

#include <QString>

namespace tracol {

// The question the dialog shows for this name ("拡張子がCSVではない。ＯＫ？" or
// "拡張子がDAT又はTXTではない。ＯＫ？"), or an empty text when the name passes.
QString csvExtensionWarning(qint16 csvPurpose, const QString& fileName);

} // namespace tracol
