// Fuzz target: reading a data-set file, and saving what was read.
//
// Input: the bytes of the file. Properties besides "no crash": a refused file
// says "ﾌｧｲﾙ内容不正"; every Line shown holds only point lines and counts at
// most 100 of them; the notice about points beyond 100 comes exactly when a
// Line holds more; and a file that was read saves and reads back to the same
// Lines (only Lines too short to be written are left out, as saving does).

#include "FuzzInput.h"

#include "data/DataSetFile.h"
#include "data/TextLines.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tracol;
using fuzz::require;

namespace {

QString scratchPath(const QString& name) {
    static QTemporaryDir dir;
    return dir.filePath(name);
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    require(file.write(bytes) == bytes.size(), "scratch file is written");
}

void checkLines(const SharedState& state, const FileOutcome& outcome) {
    bool beyondLimit = false;
    for (int k = 1; k <= kLineCount; ++k) {
        require(state.PointCount[k] >= 0 && state.PointCount[k] <= kMaxLinePoints, "count within 0..100");
        if (state.LineBox[k].isEmpty())
            continue;
        require(state.LineBox[k] == state.LineText[k], "a Line shown is the Line read");
        const QStringList lines = splitLines(state.LineBox[k]);
        require(pointLinesOf(state.LineBox[k]).size() == lines.size(), "a Line shown holds point lines only",
                state.LineBox[k]);
        require(state.PointCount[k] == std::min<qsizetype>(lines.size(), kMaxLinePoints),
                "count is the number of point lines, at most 100");
        beyondLimit = beyondLimit || lines.size() > kMaxLinePoints;
    }
    if (outcome.ok)
        require(outcome.pointsBeyondLimit == beyondLimit, "notice exactly when a Line holds over 100 points");
}

// Saving the Lines read and reading the file again gives the Lines that are
// long enough to be written, renumbered from 1, with their parameters.
// A file's end: the reader takes a trailing end-of-file mark (Ctrl-Z) and
// the line breaks after it as the end, so that a last point line written
// ending in Ctrl-Z comes back without it.
QString withoutFileEnd(QString text) {
    while (!text.isEmpty() && (text.back() == u'\x1A' || text.back() == u'\r' || text.back() == u'\n'))
        text.chop(1);
    return text;
}

void checkSaveAndReadBack(const SharedState& read) {
    const std::optional<QByteArray> bytes = encodeForFile(allLinesFileText(read));
    require(bytes.has_value(), "Lines read from a file can be written again");
    const QString path = scratchPath(QStringLiteral("saved.dat"));
    putFile(path, *bytes);

    SharedState again;
    const FileOutcome outcome = readDataSetFile(again, path);
    int last = 0;
    for (int k = 1; k <= kLineCount; ++k)
        if (trimBlanks(read.LineBox[k]).size() > 10 && !pointLinesOf(read.LineBox[k]).isEmpty())
            last = k;
    int n = 0;
    for (int k = 1; k <= kLineCount; ++k) {
        if (trimBlanks(read.LineBox[k]).size() <= 10 || pointLinesOf(read.LineBox[k]).isEmpty())
            continue;
        ++n;
        const bool same = k == last ? withoutFileEnd(again.LineBox[n]) == withoutFileEnd(read.LineBox[k])
                                    : again.LineBox[n] == read.LineBox[k];
        require(same, "points come back", again.LineBox[n]);
        require(again.LineParameter[n] == read.LineParameter[k], "parameter comes back",
                read.LineParameter[k] + QStringLiteral(" -> ") + again.LineParameter[n]);
    }
    require(outcome.ok, "a saved file reads back", outcome.message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = scratchPath(QStringLiteral("input.dat"));
    putFile(path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    SharedState state;
    const FileOutcome outcome = readDataSetFile(state, path);
    if (!outcome.ok)
        require(outcome.message == kBadContentMessage, "a refused file says ﾌｧｲﾙ内容不正", outcome.message);
    checkLines(state, outcome);
    if (outcome.ok)
        checkSaveAndReadBack(state);
    return 0;
}
