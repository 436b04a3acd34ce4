#include "output/GraphDataCsv.h"

#include "core/NumericText.h"
#include "output/Module70.h"

#include <QSaveFile>
#include <QStringEncoder>

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

CsvWriteResult writeGraphDataCsv(SharedState& state, const QString& path) {
    CsvWriteResult result;
    const QStringList lines = graphDataLines(state);
    QStringEncoder encoder("windows-31j");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encoder.encode(line + QStringLiteral("\r\n"));

    QSaveFile file(path);
    result.ok = !encoder.hasError() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                file.commit();
    if (!result.ok)
        result.errorText = QStringLiteral("書込めません。");
    return result;
}

} // namespace tracol
