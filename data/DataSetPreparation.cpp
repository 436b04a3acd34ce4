#include "data/DataSetPreparation.h"

#include "core/NumericText.h"
#include "data/TextLines.h"
#include "fit/KKAIKI_Sort.h"
#include "fit/Module1.h"

#include <algorithm>
#include <limits>

namespace tracol {

namespace {

// A Line whose text has this many characters or fewer is too small to compute.
constexpr int kShortestComputedLineText = 10;
// A Line is empty for the gap check when its text has this many characters or
// fewer and it has no points.
constexpr int kShortestLineTextWithData = 3;

struct PointTexts {
    QString x, y;
};

// X and Y of a point line, blanks removed: the texts before and after its
// first comma; a line without a comma is all X.
PointTexts pointTextsOf(const QString& line) {
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0)
        return {withoutBlanks(line), QString()};
    return {withoutBlanks(line.left(comma)), withoutBlanks(line.mid(comma + 1))};
}

// Checks one point line of the DataSet window: a comma, X and Y not empty
// once blanks are removed, only number characters. Empty when it passes.
QString pointLineMessage(const QString& line) {
    if (!line.contains(u','))
        return kMissingXOrYMessage;
    const auto [x, y] = pointTextsOf(line);
    if (x.isEmpty() || y.isEmpty())
        return kMissingXOrYMessage;
    if (!numtext::allCharsIn(x, numtext::kDataChars) || !numtext::allCharsIn(y, numtext::kDataChars))
        return kNotNumericMessage;
    return {};
}

// A gap: Line k empty while Line k + 1 holds data.
bool hasLineGap(const SharedState& state) {
    for (int k = 1; k < kLineCount; ++k) {
        const bool empty = state.LineText[k].size() <= kShortestLineTextWithData && state.PointCount[k] == 0;
        const bool nextHoldsData = !state.LineText[k + 1].isEmpty() && state.PointCount[k + 1] != 0;
        if (empty && nextHoldsData)
            return true;
    }
    return false;
}

// Examines Lines first..last in order, stopping at the first Line without
// points; sets LinesInUse to the Lines before it. Empty when all passed.
QString examineLines(SharedState& state, int first, int last) {
    int j = first;
    for (; j <= last; ++j) {
        if (!state.LineText[j].endsWith(kCrLf))
            state.LineText[j] += kCrLf;
        if (state.PointCount[j] < 1)
            break;
        const QStringList lines = splitLines(state.LineText[j]);
        const int count = std::min<int>(state.PointCount[j], static_cast<int>(lines.size()));
        for (int i = 0; i < count; ++i) {
            const QString message = pointLineMessage(lines.at(i));
            if (!message.isEmpty())
                return message;
        }
    }
    state.LinesInUse = static_cast<qint16>(j - 1);
    return {};
}

// Splits the first n point lines of Line h into the point tables. False when
// the Line is too small to compute.
bool preparePointTable(SharedState& state, int h, int n) {
    const QString& text = state.LineText[h];
    if (text.isEmpty() || text.size() <= kShortestComputedLineText)
        return false;
    const QStringList lines = splitLines(text);
    for (int i = 1; i <= n && i <= kMaxLinePoints; ++i) {
        const PointTexts point = i <= lines.size() ? pointTextsOf(lines.at(i - 1)) : PointTexts{};
        state.PointXText[h][i] = point.x;
        state.PointYText[h][i] = point.y;
    }
    state.LoadedLineKind[h] = 1;
    state.LoadedLineCount[h] = static_cast<qint16>(n);
    return n >= 3;
}

} // namespace

PointCountUpdate countLinePoints(SharedState& state, int line) {
    PointCountUpdate update;
    if (line < 1 || line > kLineCount)
        return update;
    const QString& text = state.LineBox[line];
    const int commas = static_cast<int>(text.count(u','));
    const QString cleaned = withoutEmptyLines(withCrLf(text));
    if (commas == 0) {
        // Every point was deleted: the Line no longer takes part.
        state.PointCount[line] = 0;
        state.LineText[line] = cleaned;
        update.kind = PointCountUpdate::Kind::NoPoints;
        return update;
    }
    if (text.endsWith(u',')) {
        update.kind = PointCountUpdate::Kind::Typing;
        update.count = state.PointCount[line];
        return update;
    }
    state.PointCount[line] = static_cast<qint16>(std::min(commas, kMaxLinePoints));
    state.LineText[line] = cleaned;
    update.kind = PointCountUpdate::Kind::Counted;
    update.count = state.PointCount[line];
    update.pointsBeyondLimit = pointLinesOf(cleaned).size() > kMaxLinePoints;
    return update;
}

qint16 workEstimateValue(int estimate) {
    return static_cast<qint16>(std::clamp<int>(estimate, 0, std::numeric_limits<qint16>::max()));
}

int addWorkEstimate(int estimate, int n) {
    // Two-section trials: v = n - 2m + 1 split points, one trial per step;
    // three-section trials: for each first section of w points, d more splits.
    const int m = Module1::minimumSectionSize(n);
    const int s = Module1::searchStep(n);
    const int v = std::max(0, n - 2 * m + 1);
    double total = numtext::roundHalfEven(static_cast<double>(v + 1) / s + estimate);
    for (int w = m; w <= kMaxLinePoints; w += s) {
        const int d = n - w - (2 * m - 1);
        if (d <= 0)
            break;
        total = numtext::roundHalfEven(static_cast<double>(d) / s + total);
    }
    return static_cast<int>(total);
}

void orderLinesByParameter(SharedState& state) {
    const int n = std::clamp<int>(state.LinesInUse, 0, kLineCount);
    PerLine<QString> sorted{};
    PerLine<QString> companion{};
    for (int j = 1; j <= n; ++j) {
        state.LineParameter[j] = trimBlanks(state.LineParameter[j]);
        sorted[j] = state.LineParameter[j];
        companion[j] = state.LineParameter[j];
    }
    KKAIKI::SortTextsWithCompanion(sorted.data(), companion.data(), n);

    // The sort does not keep equal texts in order, so each position takes the
    // lowest-numbered Line with its text that has no position yet.
    PerLine<bool> placed{};
    for (int i = 1; i <= kLineCount; ++i) {
        state.SortedParameter[i] = i <= n ? sorted[i] : QString();
        state.LineOrder[i] = 0;
        if (i > n)
            continue;
        for (int line = 1; line <= n; ++line) {
            if (!placed[line] && state.LineParameter[line] == sorted[i]) {
                placed[line] = true;
                state.LineOrder[i] = static_cast<qint16>(line);
                break;
            }
        }
    }
}

PreparationOutcome prepareComputation(SharedState& state) {
    state.KeyboardDataActive = false;
    if (state.PointCount[1] <= 0)
        return {kNoDataMessage};

    const int single = state.SingleLine >= 1 && state.SingleLine <= kLineCount ? state.SingleLine : 0;
    if (single == 0 && hasLineGap(state))
        return {kLineGapMessage};

    const QString message = single ? examineLines(state, single, single) : examineLines(state, 1, kLineCount);
    if (!message.isEmpty())
        return {message};

    for (int line = 1; line <= state.LinesInUse; ++line) {
        for (int i = 1; i <= kMaxLinePoints; ++i) {
            state.PointXText[line][i].clear();
            state.PointYText[line][i].clear();
        }
    }
    orderLinesByParameter(state);

    PreparationOutcome outcome;
    bool tooSmall = false;
    int estimate = 0;
    const int first = single ? single : 1;
    const int last = single ? single : state.LinesInUse;
    for (int h = first; h <= last; ++h) {
        const int n = state.PointCount[h];
        if (!preparePointTable(state, h, n)) {
            tooSmall = true;
            if (state.LineText[h].size() <= kShortestComputedLineText)
                continue;
        }
        estimate = addWorkEstimate(estimate, n);
        outcome.pointsBeyondLimit =
            outcome.pointsBeyondLimit || pointLinesOf(state.LineText[h]).size() > kMaxLinePoints;
    }
    state.WorkEstimate = workEstimateValue(estimate);
    if (tooSmall)
        outcome.message = kTooFewPointsMessage;
    return outcome;
}

} // namespace tracol
