// Fuzz target: the worksheet and the graph-data CSV built from a result.
//
// Input: text cut at form feeds. Part 0 is "1" for a logarithmic X axis of
// the plot, anything else for a linear one. Part k (1..10) is Line k:
//     parameter
//     S                                  sections 1..3
//     EqNo C1 C2 C3 C4 first last        S lines, one per section
//     X,Y                                the Line's points (at most 100)
// The result is kept to what the fitting driver can store (1..3 sections,
// EqNo 0..21, point indices within the Line, first <= last); coefficients and
// texts are free. Properties besides "no crash": the worksheet has 4L + 9
// rows of quoted cells; every curve row of the CSV holds finite numbers.

#include "FuzzInput.h"

#include "core/NumericText.h"
#include "data/DataSetPreparation.h"
#include "data/TextLines.h"
#include "fit/SingleValue.h"
#include "output/GraphDataCsv.h"
#include "output/Worksheet.h"

#include <QRegularExpression>

#include <cmath>

using namespace tracol;
using fuzz::require;

namespace {

int integerOf(const QString& text) {
    const double value = numtext::val(text);
    return std::isfinite(value) && std::fabs(value) < 1e9 ? static_cast<int>(value) : 0;
}

void takeSection(SharedState& state, int line, int s, const QString& row, int points) {
    const QStringList f = row.split(u' ', Qt::SkipEmptyParts);
    const auto number = [&](int i) { return i < f.size() ? numtext::val(f.at(i)) : 0.0; };
    FitResultStore& r = state.FitResult;
    r.SectionEqNo[s][line] = static_cast<qint16>(std::abs(integerOf(f.value(0))) % 22);
    r.SectionC1[s][line] = toSingle(number(1));
    r.SectionC2[s][line] = toSingle(number(2));
    r.SectionC3[s][line] = toSingle(number(3));
    r.SectionC4[s][line] = toSingle(number(4));
    const int first = std::clamp(integerOf(f.value(5)), 0, points);
    const int last = std::clamp(integerOf(f.value(6)), first, points);
    r.SectionFirstPoint[s][line] = static_cast<qint16>(first);
    r.SectionLastPoint[s][line] = static_cast<qint16>(last);
    r.SectionPointCount[s][line] = static_cast<qint16>(last - first + 1);
}

void takeLine(SharedState& state, int line, const QString& part) {
    QStringList rows = splitLines(part);
    const auto take = [&] { return rows.isEmpty() ? QString() : rows.takeFirst(); };
    state.LineParameter[line] = take();
    const int sections = std::clamp(integerOf(take()), 1, 3);
    const QStringList sectionRows = rows.mid(0, sections);
    rows = rows.mid(sections);
    const int points = std::min<int>(kMaxLinePoints, static_cast<int>(rows.size()));
    for (int i = 1; i <= points; ++i) {
        const qsizetype comma = rows.at(i - 1).indexOf(u',');
        state.PointXText[line][i] = rows.at(i - 1).left(comma);
        state.PointYText[line][i] = comma < 0 ? QString() : rows.at(i - 1).mid(comma + 1);
    }
    state.LoadedLineKind[line] = 1;
    state.LoadedLineCount[line] = static_cast<qint16>(points);
    state.FitResult.SectionCount[line] = static_cast<qint16>(sections);
    for (int s = 1; s <= sections; ++s)
        takeSection(state, line, s, sectionRows.value(s - 1), points);
}

void checkWorksheet(const QStringList& rows, int lines) {
    static const QRegularExpression quotedCells(
        QStringLiteral("^(\"([^\"]|\"\")*\"|)(,(\"([^\"]|\"\")*\"|))*$"));
    require(rows.size() == (lines == 0 ? 0 : 4 * lines + 9), "the worksheet has 4L + 9 rows");
    for (const QString& row : rows)
        require(quotedCells.match(row).hasMatch(), "worksheet cells are quoted", row);
}

void checkGraphData(const SharedState& state, const QStringList& rows) {
    qsizetype dataRows = 0;
    for (int k = 1; k <= state.LinesInUse; ++k)
        dataRows += state.LoadedLineCount[k];
    require(rows.size() >= 1 + dataRows, "header and every data row are written");
    for (qsizetype i = 1 + dataRows; i < rows.size(); ++i) {
        const QStringList f = rows.at(i).split(u',');
        require(numtext::parseNumber(f.first()).has_value() && numtext::parseNumber(f.last()).has_value(),
                "curve rows hold finite numbers", rows.at(i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = fuzz::inputParts(data, size);
    SharedState state;
    state.PlotLogX = parts.at(0).trimmed() == QStringLiteral("1");
    const int lines = std::min<int>(kLineCount, static_cast<int>(parts.size()) - 1);
    for (int k = 1; k <= lines; ++k)
        takeLine(state, k, parts.at(k));
    state.LinesInUse = static_cast<qint16>(lines);
    orderLinesByParameter(state);

    checkWorksheet(worksheetLines(state), lines);
    checkGraphData(state, graphDataLines(state));
    return 0;
}
