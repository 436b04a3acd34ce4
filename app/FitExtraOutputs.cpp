#include "FitExtraOutputs.h"

namespace tracol::fitcommand {

std::vector<ExtraOutput> extraOutputs(const QString& worksheetPath, const QString& csvPath) {
    // Not wired yet: each entry gets its `write` function when its file is
    // wired in; until then asking for it is refused.
    return {
        {QStringLiteral("--worksheet"), worksheetPath, {}},
        {QStringLiteral("--csv"), csvPath, {}},
    };
}

} // namespace tracol::fitcommand
