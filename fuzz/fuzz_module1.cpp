// Fuzz target: the fitting driver, its reports and the writers fed by it.
//
// Input: text cut at form feeds. Part 0 holds the conditions, blank-separated:
//     cutoff  mode  divisions  excluded  trace  abortAt
// e.g. "0.00076 2 3 0111111 1 0" (excluded: one 0/1 per coordinate system,
// 1 = excluded; trace 1 builds List1; abortAt > 0 requests an abort at that
// yield). Part k (1..10) is Line k: its first line the parameter, then point
// lines "X,Y" (at most 100). The Lines are ordered by parameter as a
// computation start does.
//
// One input must stay well below a second, so the three-section trials of a
// computation are capped low. Properties besides "no crash": the driver
// stops only on an abort; every Line gets 1..3 sections within its points;
// after a finished computation the details, the worksheet and the graph-data
// CSV are built from the result.

#include "FuzzInput.h"

#include "core/NumericText.h"
#include "data/DataSetPreparation.h"
#include "data/TextLines.h"
#include "fit/Module1.h"
#include "fit/SingleValue.h"
#include "output/GraphDataCsv.h"
#include "output/Worksheet.h"

using namespace tracol;
using fuzz::require;

namespace {

constexpr qint32 kTrialCap = 40;

struct Settings {
    bool trace = false;
    qint32 abortAt = 0;
};

qint16 integerOf(const QString& text, qint16 fallback) {
    return numtext::toInteger(numtext::val(text)).value_or(fallback);
}

Settings takeConditions(SharedState& state, const QString& part) {
    const QStringList f = part.split(u' ', Qt::SkipEmptyParts);
    const auto field = [&](int i) { return i < f.size() ? f.at(i) : QString(); };
    state.CutoffError = f.size() > 0 ? toSingle(numtext::val(field(0))) : 0.00076f;
    state.ErrorMode = integerOf(field(1), 2);
    state.MaxDivisions = integerOf(field(2), 3);
    const QString excluded = field(3);
    for (int system = 1; system <= 7; ++system)
        state.ExcludedSystems[system] = system <= excluded.size() && excluded.at(system - 1) == u'1';
    return {field(4) == QStringLiteral("1"), std::max<qint32>(0, integerOf(field(5), 0))};
}

void takeLines(SharedState& state, const QStringList& parts) {
    const int lines = std::min<int>(kLineCount, static_cast<int>(parts.size()) - 1);
    for (int k = 1; k <= lines; ++k) {
        QStringList rows = splitLines(parts.at(k));
        state.LineParameter[k] = rows.isEmpty() ? QString() : rows.takeFirst();
        const int n = std::min<int>(kMaxLinePoints, static_cast<int>(rows.size()));
        for (int i = 1; i <= n; ++i) {
            const qsizetype comma = rows.at(i - 1).indexOf(u',');
            state.PointXText[k][i] = rows.at(i - 1).left(comma);
            state.PointYText[k][i] = comma < 0 ? QString() : rows.at(i - 1).mid(comma + 1);
        }
        state.LoadedLineKind[k] = 1;
        state.LoadedLineCount[k] = static_cast<qint16>(n);
    }
    state.LinesInUse = static_cast<qint16>(std::max(0, lines));
    orderLinesByParameter(state);
}

void checkResult(const SharedState& state) {
    const FitResultStore& r = state.FitResult;
    for (int p = 1; p <= state.LinesInUse; ++p) {
        const int line = state.LineOrder[p];
        const int sections = r.SectionCount[line];
        require(sections >= 1 && sections <= 3, "every Line gets 1..3 sections");
        for (int s = 1; s <= sections; ++s) {
            require(r.SectionEqNo[s][line] >= 0 && r.SectionEqNo[s][line] <= 21, "EqNo within 0..21");
            const int first = r.SectionFirstPoint[s][line];
            const int last = r.SectionLastPoint[s][line];
            require(first >= 0 && first <= last && last <= state.LoadedLineCount[line],
                    "a section lies within its Line's points");
        }
    }
    require(state.ThreeSectionTrialCount <= kTrialCap + kLineCount, "three-section trials stop at the cap");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = fuzz::inputParts(data, size);
    SharedState state;
    const Settings settings = takeConditions(state, parts.at(0));
    takeLines(state, parts);

    qint32 yields = 0;
    Module1::Hooks hooks;
    hooks.buildTrace = settings.trace;
    hooks.threeSectionTrialCap = kTrialCap;
    hooks.yield = [&] {
        if (++yields == settings.abortAt)
            state.AbortRequested = true;
    };
    const bool completed = Module1::RunComputation(state, hooks);
    require(completed || state.AbortRequested, "the driver stops only on an abort");
    if (!completed)
        return 0;
    checkResult(state);
    Module1::fillDetailList(state);
    worksheetLines(state);
    graphDataLines(state);
    return 0;
}
