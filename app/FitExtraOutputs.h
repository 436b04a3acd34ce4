#pragma once
// Files tracol-fit writes besides the result file and the worksheet (which
// the computation sequence writes): the graph-data CSV (--csv), after the
// computation. Each output is one entry of extraOutputs().

#include "core/SharedState.h"

#include <QString>

#include <functional>
#include <vector>

namespace tracol::fitcommand {

struct ExtraOutput {
    QString option; // "--csv"
    QString path;   // FILE given with the option; empty = not asked for
    // Writes the file after the computation; returns the message to print on
    // failure, empty on success.
    std::function<QString(SharedState&, const QString& path)> write;
};

// The extra outputs for the given paths, in the order they are written.
std::vector<ExtraOutput> extraOutputs(const QString& csvPath);

} // namespace tracol::fitcommand
