#include "data/DataSetFile.h"

#include "core/CodePage932.h"
#include "core/NumericText.h"
#include "data/TextLines.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

#include <algorithm>

namespace tracol {

namespace {

// A Line from the image or a file has a block only when its text, blanks
// trimmed at both ends, is longer than this.
constexpr int kShortestWrittenLineText = 10;

// Header, CR LF, the point lines joined by CR LF (no line end after the last).
QString blockText(const QString& parameter, const QStringList& pointLines) {
    return dataSetHeader(parameter, pointLines.size()) + kCrLf + pointLines.join(kCrLf);
}

// Blocks of the Line texts: every Line with points whose trimmed text is long
// enough, each block followed by CR LF.
QString lineTextBlocks(const SharedState& state) {
    QString out;
    for (int k = 1; k <= kLineCount; ++k) {
        const QStringList points = writtenPointLines(state, kSaveAllLines, k);
        if (!points.isEmpty())
            out += blockText(state.LineParameter[k], points) + kCrLf;
    }
    return out;
}

// Blocks of the keyboard entry's point tables, "X , Y" per point, at most 100
// points a Line. With `crLfAfterEveryPoint` (the all-results file) the last
// point line ends with CR LF too, so an empty line follows each block.
QString keyboardBlocks(const SharedState& state, bool crLfAfterEveryPoint) {
    QString out;
    for (int k = 1; k <= kLineCount; ++k) {
        const int count = std::min<int>(state.PointCount[k], kMaxLinePoints);
        if (count < 1)
            continue;
        QStringList points;
        for (int j = 1; j <= count; ++j)
            points.append(state.PointXText[k][j] + QStringLiteral(" , ") + state.PointYText[k][j]);
        out += blockText(state.LineParameter[k], points);
        if (crLfAfterEveryPoint)
            out += kCrLf;
        out += kCrLf;
    }
    return out;
}

QString listText(const QStringList& items) {
    QString out;
    for (const QString& item : items)
        out += item + kCrLf;
    return out;
}

QString selectedLineText(const SharedState& state, const SelectedLineInput& selected) {
    const QStringList points = writtenPointLines(state, kSaveSelectedLine, selected.line);
    if (points.isEmpty())
        return {};
    return blockText(selected.parameterText, points) + kCrLf;
}

QString allResultsText(const SharedState& state) {
    QString out = kDataSectionTitle + kCrLf;
    out += state.KeyboardDataActive ? keyboardBlocks(state, true) : lineTextBlocks(state);
    out += kSectionSeparator + kCrLf + kSummarySectionTitle + kCrLf + listText(state.List2);
    out += kSectionSeparator + kCrLf + kEquationSectionTitle + kCrLf + listText(state.List3);
    out += kSectionSeparator + kCrLf + kRelationSectionTitle + kCrLf + listText(state.List4);
    return out;
}

// ---- Reading ---------------------------------------------------------------

// The raw lines of a file, cut at CR LF, LF or CR. Code page 932 never uses
// the bytes of CR and LF inside a character, so the bytes can be cut first.
QList<QByteArray> rawLines(QByteArrayView bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.sliced(start, i - start).toByteArray());
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start).toByteArray());
    return lines;
}

struct ContentError {};

// Walks the lines of a data-set file; every fault is a ContentError.
class LineReader {
  public:
    explicit LineReader(QByteArrayView bytes) : lines_(rawLines(cp932::withoutEndOfFileMark(bytes))) {
        // Blank lines at the very end are the end of the file, not a block.
        while (!lines_.isEmpty() && lines_.last().trimmed().isEmpty())
            lines_.removeLast();
    }

    bool atEnd() const { return next_ >= lines_.size(); }

    QString take() {
        if (atEnd())
            throw ContentError{};
        const std::optional<QString> line = cp932::decode(lines_.at(next_++));
        if (!line)
            throw ContentError{};
        return *line;
    }

    // Skips blank lines before a header; false at the end of the file.
    bool skipBlankLines() {
        while (!atEnd() && lines_.at(next_).trimmed().isEmpty())
            ++next_;
        return !atEnd();
    }

  private:
    QList<QByteArray> lines_;
    qsizetype next_ = 0;
};

struct BlockHeader {
    QString parameter;
    qint16 kind = 0;
    qint64 count = 0;
};

// The parameter, kind and count fields of a header line with two or more
// commas: the last two fields are kind and count and everything before them
// is the parameter (so a parameter text with a comma comes back whole).
std::optional<QStringList> fieldsOfHeaderLine(const QString& line) {
    QStringList fields = line.split(u',');
    if (fields.size() < 3)
        return std::nullopt;
    const QString count = fields.takeLast();
    const QString kind = fields.takeLast();
    return QStringList{fields.join(u','), kind, count};
}

// The three header fields: from one line as above, otherwise as list input,
// separated by commas or line ends over as many lines as they need.
QStringList headerFields(LineReader& reader) {
    const QString first = reader.take();
    if (const std::optional<QStringList> fields = fieldsOfHeaderLine(first))
        return *fields;
    QStringList fields = first.split(u',');
    while (fields.size() < 3) {
        const QStringList more = reader.take().split(u',');
        if (fields.size() + more.size() > 3)
            throw ContentError{};
        fields += more;
    }
    return fields;
}

std::optional<qint16> kindField(const QString& field) {
    const std::optional<double> value = numtext::parseNumber(field);
    return value ? numtext::toInteger(*value) : std::nullopt;
}

// The count of point lines, a whole number (rounded as an Integer is) from 1
// on. It is not held to the 16-bit range: the writer counts the lines of a
// Line text, and a Line may hold more than 32 767 of them.
std::optional<qint64> countField(const QString& field) {
    const std::optional<double> value = numtext::parseNumber(field);
    if (!value)
        return std::nullopt;
    const double count = numtext::roundHalfEven(*value);
    if (!(count >= 1 && count <= double(kMaxBlockPointLines)))
        return std::nullopt;
    return static_cast<qint64>(count);
}

// A parameter that is one complete number comes back as the Single general
// text without its blank (0.50 gives .5); any other text is kept trimmed.
QString parameterField(const QString& field) {
    const QString trimmed = field.trimmed();
    const std::optional<double> value = numtext::parseNumber(trimmed);
    if (!value)
        return trimmed;
    const float single = static_cast<float>(*value);
    if (!std::isfinite(single))
        return trimmed;
    return numtext::trimmedText(single);
}

BlockHeader readHeader(LineReader& reader) {
    const QStringList fields = headerFields(reader);
    const std::optional<qint16> kind = kindField(fields.at(1));
    const std::optional<qint64> count = countField(fields.at(2));
    if (kind != qint16(1) || !count)
        throw ContentError{};
    return {parameterField(fields.at(0)), *kind, *count};
}

// Reads the blocks into Lines 1..n; returns whether a Line holds more than
// 100 points. Blocks read before an error stay in the state.
bool readBlocks(SharedState& state, LineReader& reader) {
    bool beyondLimit = false;
    int n = 0;
    while (reader.skipBlankLines()) {
        const BlockHeader header = readHeader(reader);
        ++n;
        if (n > kLineCount)
            throw ContentError{};
        const auto counted = static_cast<qint16>(std::min<qint64>(header.count, kMaxLinePoints));
        beyondLimit = beyondLimit || header.count > kMaxLinePoints;
        state.LineParameter[n] = header.parameter;
        state.LoadedLineKind[n] = header.kind;
        state.PointCount[n] = counted;
        state.LoadedLineCount[n] = counted;
        state.LineText[n].clear();
        for (qint64 i = 0; i < header.count; ++i) {
            const QString line = reader.take();
            if (!line.contains(u','))
                throw ContentError{};
            state.LineText[n] += line + kCrLf;
        }
        // Only a block read whole is shown in the DataSet window.
        state.LineBox[n] = state.LineText[n];
    }
    return beyondLimit;
}

void rememberFileName(SharedState& state, const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    state.CurrentFileName = path.mid(cut + 1);
    state.LastFileName = state.CurrentFileName;
    if (cut >= 0)
        state.LastDirectory = path.left(cut);
}

} // namespace

bool isDataSetHeaderLine(const QString& line) {
    const std::optional<QStringList> fields = fieldsOfHeaderLine(line);
    return fields && kindField(fields->at(1)) == qint16(1) && countField(fields->at(2));
}

QStringList writtenPointLines(const SharedState& state, qint16 saveKind, int line) {
    if (line < 1 || line > kLineCount)
        return {};
    const QString& text = state.LineText[line];
    if (saveKind == kSaveAllLines && trimBlanks(text).size() <= kShortestWrittenLineText)
        return {};
    return pointLinesOf(text);
}

QString dataSetHeader(const QString& parameter, qint64 count) {
    return parameter + QStringLiteral(", 1 ,") + numtext::generalText(count);
}

QString allLinesFileText(const SharedState& state) {
    return state.KeyboardDataActive ? keyboardBlocks(state, false) : lineTextBlocks(state);
}

QString saveFileText(const SharedState& state, qint16 saveKind, const SelectedLineInput& selected) {
    switch (saveKind) {
    case kSaveAllLines:
        return allLinesFileText(state);
    case kSaveSelectedLine:
        return selectedLineText(state, selected);
    case kSaveRelationFormulas:
        return listText(state.List4);
    case kSaveAllResults:
        return allResultsText(state);
    case kSaveHistory:
        return listText(state.List1);
    default:
        return {};
    }
}

std::optional<QByteArray> encodeForFile(const QString& text) {
    cp932::EncodedText encoded = cp932::encode(text);
    if (!encoded.ok())
        return std::nullopt;
    return std::move(encoded.bytes);
}

FileOutcome writeTextFile(const QString& path, const QString& text) {
    const FileOutcome failed{false, kCannotWriteMessage};
    const cp932::EncodedText encoded = cp932::encode(text);
    if (!encoded.ok())
        return {false, cp932::unwritableCharacterMessage(encoded.unwritable)};
    const QByteArray& bytes = encoded.bytes;
    if (path.isEmpty())
        return failed;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return failed;
    return {};
}

FileOutcome writeSaveFile(const SharedState& state, const QString& path, qint16 saveKind,
                          const SelectedLineInput& selected) {
    return writeTextFile(path, saveFileText(state, saveKind, selected));
}

void resetLines(SharedState& state) {
    for (int k = 1; k <= kLineCount; ++k) {
        state.LineBox[k].clear();
        state.LineText[k].clear();
        state.PointCount[k] = 0;
        state.LineParameter[k] = numtext::plainInteger(k);
    }
    state.CurrentLine = 1;
}

FileOutcome readDataSetFile(SharedState& state, const QString& path) {
    resetLines(state);
    rememberFileName(state, path);

    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {false, kBadFileNameMessage};
    const QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    if (readFailed)
        return {false, kBadContentMessage};

    LineReader reader(bytes);
    try {
        const bool beyondLimit = readBlocks(state, reader);
        FileOutcome outcome;
        outcome.pointsBeyondLimit = beyondLimit;
        return outcome;
    } catch (const ContentError&) {
        return {false, kBadContentMessage};
    }
}

} // namespace tracol
