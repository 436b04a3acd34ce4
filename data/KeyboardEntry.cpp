#include "data/KeyboardEntry.h"

#include "core/NumericText.h"
#include "data/DataSetPreparation.h"
#include "data/TextLines.h"

#include <algorithm>

namespace tracol {

namespace {

// A page's text as the Line keeps it: CR LF line ends, no empty lines, a CR LF
// after the last line; a text of line breaks alone is empty.
QString pageLineText(const QString& data) {
    return withFinalCrLf(withoutEmptyLines(withCrLf(data)));
}

// The point lines of a page: its text, blanks trimmed at both ends, cut at
// each line end; the first empty line after a point line ends the page. A
// first line of blanks alone is trimmed to an empty line; it is passed over,
// or the page would hold no points and the comma conversion would rewrite it
// without the points typed below it.
QStringList pagePointLines(const QString& lineText) {
    QStringList lines;
    for (const QString& line : splitLines(trimBlanks(lineText))) {
        if (line.isEmpty() && lines.isEmpty())
            continue;
        if (line.isEmpty())
            break;
        lines.append(line);
    }
    return lines;
}

// The count box read as a number, nearest integer, kept within 0..100.
qint16 countBoxValue(const QString& count) {
    const std::optional<qint16> value = numtext::toInteger(numtext::val(count));
    return static_cast<qint16>(std::clamp<int>(value.value_or(0), 0, kMaxLinePoints));
}

// The separator of a point line: a tab when there is one and no comma, else a
// comma, else a blank; no value when the line has none of them.
std::optional<QChar> separatorOf(const QString& line) {
    const bool hasComma = line.contains(u',');
    if (line.contains(u'\t') && !hasComma)
        return QChar(u'\t');
    if (hasComma)
        return QChar(u',');
    if (line.contains(u' '))
        return QChar(u' ');
    return std::nullopt;
}

// The first run of blanks inside a line reduced to one blank.
QString withFirstBlankRunReduced(const QString& line) {
    const qsizetype start = line.indexOf(u' ');
    if (start < 0)
        return line;
    qsizetype end = start;
    while (end < line.size() && line.at(end) == u' ')
        ++end;
    return line.left(start + 1) + line.mid(end);
}

// Splits every point line of a page; the first refusal gives its message.
struct PagePoints {
    QStringList x, y;
    QString message;
};

PagePoints splitPage(const QStringList& lines) {
    PagePoints points;
    for (const QString& line : lines) {
        const PointLineSplit split = splitPointLine(line);
        if (!split.message.isEmpty()) {
            points.message = split.message;
            return points;
        }
        points.x.append(split.x);
        points.y.append(split.y);
    }
    return points;
}

} // namespace

PageLineCount countPageLines(SharedState& state, int line, const QString& boxText) {
    PageLineCount result;
    const QString crLfText = withCrLf(boxText);
    result.text = withoutEmptyLines(crLfText);
    result.textChanged = result.text != crLfText;
    if (line < 1 || line > kLineCount)
        return result;
    const QString lineText = withFinalCrLf(result.text);
    // The count box shows the point lines the computation start will take.
    const int lines = static_cast<int>(pagePointLines(lineText).size());
    result.count = static_cast<qint16>(std::min(lines, kMaxLinePoints));
    result.pointsBeyondLimit = lines > kMaxLinePoints;
    state.PointCount[line] = result.count;
    state.LineText[line] = lineText;
    return result;
}

PointLineSplit splitPointLine(const QString& line) {
    PointLineSplit split;
    const QString text = withFirstBlankRunReduced(trimBlanks(line));
    const std::optional<QChar> separator = separatorOf(text);
    if (!separator) {
        split.message = kBadPointLineMessage;
        return split;
    }
    const qsizetype first = text.indexOf(*separator);
    const QString rest = text.mid(first + 1);
    const qsizetype second = *separator == u' ' ? -1 : rest.indexOf(*separator);
    split.x = trimBlanks(text.left(first));
    split.y = trimBlanks(second < 0 ? rest : rest.left(second));
    if (split.x.isEmpty() || split.y.isEmpty())
        split.message = kBlankValueMessage;
    else if (!numtext::allCharsIn(split.x, numtext::kDataChars))
        split.message = kBadXMessage;
    else if (!numtext::allCharsIn(split.y, numtext::kDataChars))
        split.message = kBadYMessage;
    return split;
}

KeyboardOutcome prepareKeyboardComputation(SharedState& state, const KeyboardPages& pages) {
    KeyboardOutcome outcome;
    state.KeyboardDataActive = true;
    for (int k = 1; k <= kLineCount; ++k) {
        for (int i = 1; i <= kMaxLinePoints; ++i) {
            state.PointXText[k][i] = QStringLiteral("0");
            state.PointYText[k][i] = QStringLiteral("0");
        }
        state.LoadedLineCount[k] = 0;
        state.LineText[k] = pageLineText(pages[k - 1].data);
        state.PointCount[k] = countBoxValue(pages[k - 1].count);
    }
    if (state.PointCount[1] == 0)
        return {kKeyboardNoDataMessage};

    for (int i = 1; i <= kLineCount && !trimBlanks(state.LineText[i]).isEmpty(); ++i) {
        const QStringList lines = pagePointLines(state.LineText[i]);
        outcome.pointsBeyondLimit = outcome.pointsBeyondLimit || lines.size() > kMaxLinePoints;
        const PagePoints points = splitPage(lines.mid(0, kMaxLinePoints));
        if (!points.message.isEmpty())
            return {points.message};
        for (int j = 1; j <= points.x.size(); ++j) {
            state.PointXText[i][j] = points.x.at(j - 1);
            state.PointYText[i][j] = points.y.at(j - 1);
        }
        state.LoadedLineKind[i] = 1;
        state.LoadedLineCount[i] = static_cast<qint16>(points.x.size());
        state.LinesInUse = static_cast<qint16>(i);
    }

    for (int k = 1; k < kLineCount; ++k) {
        const bool empty = trimBlanks(state.LineText[k]).isEmpty() && state.PointCount[k] == 0;
        const bool nextHoldsData = !state.LineText[k + 1].isEmpty() && state.PointCount[k + 1] != 0;
        if (empty && nextHoldsData)
            return {kEmptyParameterLineMessage};
    }

    // The page checked last decides the message.
    QString message;
    for (int f = 1; f <= kLineCount && state.PointCount[f] != 0; ++f) {
        state.LinesInUse = static_cast<qint16>(f);
        state.LineParameter[f] = pages[f - 1].parameter;
        if (f != 1 && trimBlanks(state.LineParameter[f]).isEmpty())
            message = kNoParameterMessage;
        if (state.LoadedLineCount[f] < 3)
            message = kTooFewPairsMessage;
    }
    if (!message.isEmpty())
        return {message};

    orderLinesByParameter(state);
    // The progress display needs the expected number of trials of these Lines.
    int estimate = 0;
    for (int line = 1; line <= state.LinesInUse; ++line)
        estimate = addWorkEstimate(estimate, state.LoadedLineCount[line]);
    state.WorkEstimate = workEstimateValue(estimate);
    return outcome;
}

CommaConversion convertToCommaSeparated(SharedState& state, const KeyboardPages& pages) {
    CommaConversion result;
    result.pages = pages;
    for (int k = 1; k <= kLineCount; ++k)
        state.PointCount[k] = countBoxValue(pages[k - 1].count);
    if (state.PointCount[1] == 0) {
        result.message = kCommaConversionErrorMessage;
        return result;
    }

    // Every line of a page is converted, also beyond the 100 that take part
    // in a computation, so that no typed point is lost.
    KeyboardPages converted = pages;
    QList<int> lines;
    for (int a = 1; a <= kLineCount; ++a) {
        const QString lineText = pageLineText(pages[a - 1].data);
        if (trimBlanks(lineText).isEmpty())
            break;
        const QStringList pointLines = pagePointLines(lineText);
        const PagePoints points = splitPage(pointLines);
        if (!points.message.isEmpty()) {
            result.message = kCommaConversionErrorMessage;
            return result;
        }
        QString text;
        for (qsizetype j = 0; j < points.x.size(); ++j)
            text += points.x.at(j) + QStringLiteral(", ") + points.y.at(j) + kCrLf;
        const int count = std::min<int>(static_cast<int>(points.x.size()), kMaxLinePoints);
        result.pointsBeyondLimit = result.pointsBeyondLimit || points.x.size() > kMaxLinePoints;
        converted[a - 1].data = text;
        converted[a - 1].count = numtext::plainInteger(count);
        lines.append(a);
    }

    for (int a : lines) {
        state.LineText[a] = converted[a - 1].data;
        state.PointCount[a] = countBoxValue(converted[a - 1].count);
    }
    if (!lines.isEmpty())
        state.LinesInUse = static_cast<qint16>(lines.size());
    result.pages = converted;
    result.convertedLines = lines;
    return result;
}

} // namespace tracol
