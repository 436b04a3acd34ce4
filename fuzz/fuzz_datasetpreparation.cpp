// Fuzz target: the DataSet window's point counting and computation start.
//
// Input: text cut at form feeds; part 0 is the SingleLine value, part k
// (1..10) is Line k: its first line the parameter, the rest the Line's text as
// typed. Every Line's text is counted as an edit would, then the computation
// start runs. Properties besides "no crash": counts stay within 0..100; a
// start that passes leaves LineOrder a permutation of the Lines in use, and
// point tables of 3..100 points whose texts are empty or number characters
// without blanks.

#include "FuzzInput.h"

#include "core/NumericText.h"
#include "data/DataSetPreparation.h"

using namespace tracol;
using fuzz::require;

namespace {

void typeLines(SharedState& state, const QStringList& parts) {
    for (int k = 1; k <= kLineCount && k < parts.size(); ++k) {
        const qsizetype end = parts.at(k).indexOf(u'\n');
        state.LineParameter[k] = parts.at(k).left(end);
        state.LineBox[k] = end < 0 ? QString() : parts.at(k).mid(end + 1);
        const PointCountUpdate update = countLinePoints(state, k);
        require(update.count >= 0 && update.count <= kMaxLinePoints, "count within 0..100");
        require(state.PointCount[k] >= 0 && state.PointCount[k] <= kMaxLinePoints,
                "PointCount within 0..100");
    }
}

bool isPreparedText(const QString& text) {
    return !text.contains(u' ') && numtext::allCharsIn(text, numtext::kDataChars);
}

void checkPrepared(const SharedState& state) {
    require(state.WorkEstimate >= 0, "work estimate not negative");
    const int lines = state.LinesInUse;
    require(lines >= 0 && lines <= kLineCount, "0..10 Lines in use");
    std::array<int, kLineCount + 1> seen{};
    for (int i = 1; i <= lines; ++i) {
        const int line = state.LineOrder[i];
        require(line >= 1 && line <= lines && ++seen[line] == 1, "LineOrder is a permutation");
    }
    const int first = state.SingleLine ? state.SingleLine : 1;
    const int last = state.SingleLine ? state.SingleLine : lines;
    for (int h = first; h <= last; ++h) {
        const int n = state.LoadedLineCount[h];
        require(n >= 3 && n <= kMaxLinePoints, "a prepared Line has 3..100 points");
        for (int i = 1; i <= n; ++i)
            require(isPreparedText(state.PointXText[h][i]) && isPreparedText(state.PointYText[h][i]),
                    "prepared texts are number characters",
                    state.PointXText[h][i] + u',' + state.PointYText[h][i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = fuzz::inputParts(data, size);
    SharedState state;
    for (int k = 1; k <= kLineCount; ++k)
        state.LineParameter[k] = numtext::plainInteger(k);
    typeLines(state, parts);
    const std::optional<qint16> single = numtext::toInteger(numtext::val(parts.at(0)));
    state.SingleLine = single && *single >= 0 && *single <= kLineCount ? *single : 0;

    const PreparationOutcome outcome = prepareComputation(state);
    if (outcome.ok())
        checkPrepared(state);
    return 0;
}
