#include "FitExtraOutputs.h"

#include "output/GraphDataCsv.h"
#include "output/Worksheet.h"

namespace tracol::fitcommand {

std::vector<ExtraOutput> extraOutputs(const QString& worksheetPath, const QString& csvPath) {
    return {
        {QStringLiteral("--worksheet"), worksheetPath,
         [](SharedState& state, const QString& path) {
             const WorksheetWriteResult written = writeWorksheetFile(state, path);
             return written.ok ? QString() : written.errorText;
         }},
        {QStringLiteral("--csv"), csvPath,
         [](SharedState& state, const QString& path) {
             const FileOutcome written = writeGraphDataCsv(state, path);
             return written.ok ? QString() : written.message;
         }},
    };
}

} // namespace tracol::fitcommand
