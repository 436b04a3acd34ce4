#pragma once
// Hand-made computation results for the output tests: Lines with points and
// fitted sections put straight into the shared state, and a small CSV reader.

#include "core/NumericText.h"
#include "core/SharedState.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tracol::testing {

struct FixtureSection {
    qint16 kind = 1;
    float c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    int firstPoint = 1;
    int lastPoint = 1;
};

// Puts Line `line` with the given parameter, points and sections into the
// state as the computation would leave it, and counts it in LinesInUse.
inline void addLine(SharedState& state, int line, const QString& parameter, const std::vector<double>& xs,
                    const std::vector<double>& ys, const std::vector<FixtureSection>& sections) {
    state.LineParameter[line] = parameter;
    state.LoadedLineCount[line] = static_cast<qint16>(xs.size());
    for (size_t j = 0; j < xs.size(); ++j) {
        state.PointXText[line][j + 1] = numtext::trimmedText(static_cast<float>(xs[j]));
        state.PointYText[line][j + 1] = numtext::trimmedText(static_cast<float>(ys[j]));
    }
    FitResultStore& fit = state.FitResult;
    fit.SectionCount[line] = static_cast<qint16>(sections.size());
    for (size_t i = 0; i < sections.size(); ++i) {
        const int s = static_cast<int>(i) + 1;
        const FixtureSection& section = sections[i];
        fit.SectionEqNo[s][line] = section.kind;
        fit.SectionC1[s][line] = section.c1;
        fit.SectionC2[s][line] = section.c2;
        fit.SectionC3[s][line] = section.c3;
        fit.SectionC4[s][line] = section.c4;
        fit.SectionFirstPoint[s][line] = static_cast<qint16>(section.firstPoint);
        fit.SectionLastPoint[s][line] = static_cast<qint16>(section.lastPoint);
        fit.SectionPointCount[s][line] = static_cast<qint16>(section.lastPoint - section.firstPoint + 1);
    }
    state.LinesInUse = std::max<qint16>(state.LinesInUse, static_cast<qint16>(line));
}

// Splits one CSV line into its cells: quoted cells may hold commas and doubled quotes.
inline QStringList splitCsvLine(const QString& line) {
    QStringList cells;
    QString cell;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (inQuotes) {
            if (ch == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (ch == u'"') {
                inQuotes = false;
            } else {
                cell += ch;
            }
        } else if (ch == u'"') {
            inQuotes = true;
        } else if (ch == u',') {
            cells << cell;
            cell.clear();
        } else {
            cell += ch;
        }
    }
    cells << cell;
    return cells;
}

// Cell (row, column) of split lines, both counted from 1 as the spreadsheet
// counts them; empty outside the written cells.
inline QString cellAt(const std::vector<QStringList>& rows, int row, int column) {
    if (row < 1 || row > static_cast<int>(rows.size()))
        return {};
    const QStringList& cells = rows[row - 1];
    return column >= 1 && column <= cells.size() ? cells[column - 1] : QString();
}

inline std::vector<QStringList> splitCsv(const QStringList& lines) {
    std::vector<QStringList> rows;
    for (const QString& line : lines)
        rows.push_back(splitCsvLine(line));
    return rows;
}

} // namespace tracol::testing
