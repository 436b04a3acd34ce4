#include "output/GraphDataCsv.h"

#include "core/NumericText.h"
#include "output/CsvExtensionRule.h"
#include "output/Module70.h"

#include <algorithm>

namespace tracol {

QStringList graphDataLines(SharedState& state) {
    const int count = std::clamp<int>(state.LinesInUse, 0, kLineCount);
    QStringList lines;

    QString header = QStringLiteral("X_Data,");
    for (int k = 1; k <= count; ++k)
        header += QStringLiteral("Data%1,").arg(k);
    QStringList curveTitles;
    for (int k = 1; k <= count; ++k)
        curveTitles << QStringLiteral("Line%1").arg(k);
    lines << header + curveTitles.join(u',');

    for (int k = 1; k <= count; ++k) {
        const int points = std::clamp<int>(state.LoadedLineCount[k], 0, kMaxLinePoints);
        for (int j = 1; j <= points; ++j)
            lines << state.PointXText[k][j] + QString(k, u',') + state.PointYText[k][j];
    }

    for (int p = 1; p <= count; ++p) {
        const int line = state.LineOrder[p];
        if (line < 1 || line > kLineCount)
            continue;
        const int sections = std::clamp<int>(state.FitResult.SectionCount[line], 0, 3);
        for (int s = 1; s <= sections; ++s) {
            Module70::setUpSectionCurve(state, line, s);
            state.CurveSteps = 29;
            Module70::SampleSectionCurve(state);
            const QString commas(count + p, u',');
            for (int u = 1; u <= state.CurvePointCount; ++u)
                lines << numtext::trimmedText(state.CurveX[u]) + commas +
                             numtext::trimmedText(state.CurveY[u]);
        }
    }
    state.CurveSteps = 299;
    return lines;
}

FileOutcome writeGraphDataCsv(SharedState& state, const QString& path) {
    return writeTextFile(path, graphDataLines(state).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

FileOutcome writeCsvDialogFile(SharedState& state, qint16 csvPurpose, const QString& path) {
    if (csvPurpose == kCsvPurposeGraphData)
        return writeGraphDataCsv(state, path);
    if (csvPurpose == kCsvPurposeKeyboardData)
        return writeSaveFile(state, path, kSaveAllLines);
    return FileOutcome{false, kCannotWriteMessage};
}

} // namespace tracol
