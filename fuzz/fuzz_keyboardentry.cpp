// Fuzz target: the keyboard entry's work on typed pages.
//
// Input: text cut at form feeds; part k (1..10) is page k: its first line the
// parameter, its second the count box, the rest the data box. Every line of
// the input is also split as a point line. Properties besides "no crash": an
// accepted point line gives non-empty X and Y of number characters; the line
// count never exceeds 100 and matches the lines; a computation start that
// passes leaves every Line in use with at least 3 points of number characters
// and LineOrder a permutation; the comma conversion converts its own output to
// itself.

#include "FuzzInput.h"

#include "core/NumericText.h"
#include "data/KeyboardEntry.h"
#include "data/TextLines.h"

#include <algorithm>

using namespace tracol;
using fuzz::require;

namespace {

KeyboardPages pagesOf(const QStringList& parts) {
    KeyboardPages pages;
    for (int k = 1; k <= kLineCount && k < parts.size(); ++k) {
        QStringList lines = parts.at(k).split(u'\n');
        pages[k - 1].parameter = lines.takeFirst();
        pages[k - 1].count = lines.isEmpty() ? QString() : lines.takeFirst();
        pages[k - 1].data = lines.join(u'\n');
    }
    return pages;
}

void checkSplits(const QString& text) {
    for (const QString& line : splitLines(text)) {
        const PointLineSplit split = splitPointLine(line);
        if (!split.message.isEmpty())
            continue;
        require(!split.x.isEmpty() && !split.y.isEmpty(), "accepted values are not empty", line);
        require(numtext::allCharsIn(split.x, numtext::kDataChars) &&
                    numtext::allCharsIn(split.y, numtext::kDataChars),
                "accepted values are number characters", line);
    }
}

void checkLineCounts(const KeyboardPages& pages) {
    SharedState state;
    for (int k = 1; k <= kLineCount; ++k) {
        const PageLineCount count = countPageLines(state, k, pages[k - 1].data);
        // Every line counts but a first line of blanks alone.
        const QStringList lines = splitLines(count.text);
        const qsizetype points = lines.size() - (!lines.isEmpty() && trimBlanks(lines.first()).isEmpty());
        require(count.count == std::min<qsizetype>(points, kMaxLinePoints),
                "count is the lines, at most 100");
        require(count.pointsBeyondLimit == (points > kMaxLinePoints), "notice exactly beyond 100 lines");
        require(!count.text.contains(QStringLiteral("\r\n\r\n")) && !count.text.startsWith(u'\r'),
                "no empty lines are left", count.text);
        require(state.PointCount[k] == count.count, "PointCount follows the count box");
    }
}

void checkComputationStart(const KeyboardPages& pages) {
    SharedState state;
    const KeyboardOutcome outcome = prepareKeyboardComputation(state, pages);
    if (!outcome.ok())
        return;
    const int lines = state.LinesInUse;
    require(lines >= 1 && lines <= kLineCount, "a start uses 1..10 Lines");
    std::array<int, kLineCount + 1> seen{};
    for (int i = 1; i <= lines; ++i) {
        const int line = state.LineOrder[i];
        require(line >= 1 && line <= lines && ++seen[line] == 1, "LineOrder is a permutation");
        require(state.LoadedLineCount[i] >= 3 && state.LoadedLineCount[i] <= kMaxLinePoints,
                "a Line in use has 3..100 points");
        for (int j = 1; j <= state.LoadedLineCount[i]; ++j)
            require(numtext::allCharsIn(state.PointXText[i][j], numtext::kDataChars) &&
                        numtext::allCharsIn(state.PointYText[i][j], numtext::kDataChars),
                    "prepared points are number characters");
    }
}

void checkCommaConversion(const KeyboardPages& pages) {
    SharedState state;
    const CommaConversion once = convertToCommaSeparated(state, pages);
    // A first page of blanks alone converts to no points, and no points refuse.
    if (!once.ok() || once.pages[0].count == QStringLiteral("0"))
        return;
    SharedState again;
    const CommaConversion twice = convertToCommaSeparated(again, once.pages);
    require(twice.ok(), "converted pages convert again");
    for (int k = 0; k < kLineCount; ++k)
        require(twice.pages[k].data == once.pages[k].data && twice.pages[k].count == once.pages[k].count,
                "the conversion of converted pages changes nothing", once.pages[k].data);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = fuzz::inputParts(data, size);
    checkSplits(parts.join(u'\n'));
    const KeyboardPages pages = pagesOf(parts);
    checkLineCounts(pages);
    checkComputationStart(pages);
    checkCommaConversion(pages);
    return 0;
}
