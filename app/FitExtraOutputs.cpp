#include "FitExtraOutputs.h"

#include "output/GraphDataCsv.h"

namespace tracol::fitcommand {

std::vector<ExtraOutput> extraOutputs(const QString& csvPath) {
    return {
        {QStringLiteral("--csv"), csvPath,
         [](SharedState& state, const QString& path) {
             const FileOutcome written = writeGraphDataCsv(state, path);
             return written.ok ? QString() : written.message;
         }},
    };
}

} // namespace tracol::fitcommand
