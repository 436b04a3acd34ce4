#pragma once
// tracol-fit's work: read a data-set file, prepare its Lines as the DataSet
// window's "数式算出処理" does, set the calculation conditions as the
// conditions window's "決定" does, run the computation and print the lists.

#include "FitCommandLine.h"

#include <QTextStream>

namespace tracol::fitcommand {

// Runs one computation as the options say; lists go to `out`, messages to
// `err`. Returns the exit status.
int runFitCommand(const FitOptions& options, QTextStream& out, QTextStream& err);

} // namespace tracol::fitcommand
