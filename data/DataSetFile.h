#pragma once
// The data-set and result files: one writer for every save kind of the save
// dialog and one reader for data-set files.
//
// Files are code page 932 text with CR LF after every line, the last one
// included. A data-set file is a sequence of blocks, one per Line:
//     <parameter>, 1 , <N>        header: parameter, block kind 1, N points
//     X,Y                         N point lines
// Result files (kinds 2, 4, 5) are for people to read and are not read back.
//
// A write replaces the target only when the whole new file is on disk (it is
// written to a temporary file beside it and renamed over it); a failure leaves
// the old file untouched and gives "書込めません。", or names the character
// that code page 932 cannot hold. A Ctrl-Z that ends a file is its end mark.

#include "core/Purposes.h"
#include "core/SharedState.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tracol {

inline const QString kCannotWriteMessage = QStringLiteral("書込めません。");
inline const QString kBadFileNameMessage = QStringLiteral("ﾌｧｲﾙ名不正");
inline const QString kBadContentMessage = QStringLiteral("ﾌｧｲﾙ内容不正");

// Section titles and separator of the all-results file (kind 4).
inline const QString kDataSectionTitle = QStringLiteral("＜Ｘ／Ｙデータ＞");
inline const QString kSummarySectionTitle = QStringLiteral("＜計算結果サマリー＞");
inline const QString kEquationSectionTitle = QStringLiteral("＜計算式表示＞");
inline const QString kRelationSectionTitle = QStringLiteral("＜関連式表示＞");
inline const QString kSectionSeparator = QString(49, u'*');

// The DataSet window's choice for kind 1: the selected Line and the text of
// its parameter box (Form21 Text2), which is written as the block's parameter.
struct SelectedLineInput {
    qint16 line = 0;       // 1..10
    QString parameterText; // Form21 Text2
};

// Outcome of a write or a read; `message` is what the dialog's message field
// shows when `ok` is false.
struct FileOutcome {
    bool ok = true;
    QString message;
    // Read only: Lines that hold more than 100 point lines; only the first
    // 100 take part in a computation (kOnlyFirstPointsNotice).
    bool pointsBeyondLimit = false;
};

// The header line of a data-set block: parameter, ", 1 ," and the count as
// an Integer number text (leading blank): "0.5, 1 , 12".
QString dataSetHeader(const QString& parameter, qint64 count);

// The largest count of point lines the reader takes in one block.
constexpr qint64 kMaxBlockPointLines = 2147483647;

// Whether a line is a block header as the reader takes it from one line: a
// parameter of any text, then kind 1 and a count from 1 on, separated by commas.
bool isDataSetHeaderLine(const QString& line);

// The point lines that a data-set save of `saveKind` (0 all Lines, 1 one Line)
// writes of Line `line` from the Line texts: those of its text as last counted
// (LineText), which is what the computation start checks, so a point still
// being typed ("7,") stays out. Only the point lines go into a file: empty
// lines and other text carry no point and would make the block unreadable,
// and the header counts exactly the lines written. Kind 0 skips a Line whose
// trimmed text has 10 characters or fewer (none are returned).
QStringList writtenPointLines(const SharedState& state, qint16 saveKind, int line);

// The data-set blocks of kind 0 as one text, CR LF after every line. The
// source is the keyboard entry's point tables when KeyboardDataActive is set,
// otherwise the Line texts (writtenPointLines). Lines without points are
// skipped, so no Line qualifying gives the empty text.
QString allLinesFileText(const SharedState& state);

// The whole text of a save of `saveKind` (0, 1, 2, 4 or 5), CR LF after every
// line. Kind 1 of a Line without points is the empty text. An unknown kind
// gives the empty text.
QString saveFileText(const SharedState& state, qint16 saveKind, const SelectedLineInput& selected = {});

// The text in code page 932; no value when a character has no code there.
std::optional<QByteArray> encodeForFile(const QString& text);

// Writes `text` in code page 932 to `path`, replacing the file only when
// everything was written. Fails with "書込めません。" when the file cannot be
// created or written, and with a message naming the character (the file left
// untouched) when a character has no code in code page 932.
FileOutcome writeTextFile(const QString& path, const QString& text);

// The save dialog's "了解": writes the save of `saveKind` to `path`.
FileOutcome writeSaveFile(const SharedState& state, const QString& path, qint16 saveKind,
                          const SelectedLineInput& selected = {});

// Reads a data-set file into Lines 1..n (the blocks are renumbered from 1,
// whatever Lines they were saved from). All Lines are reset first (empty
// texts, no points, parameters "1".."10", Line 1 selected); blocks read before
// a failure stay loaded. Fills LineText, LineBox, PointCount, LineParameter,
// LoadedLineKind, LoadedLineCount, CurrentLine and, from the path,
// CurrentFileName, LastFileName and LastDirectory. Fails with "ﾌｧｲﾙ名不正"
// when the file cannot be opened and "ﾌｧｲﾙ内容不正" on any content error.
FileOutcome readDataSetFile(SharedState& state, const QString& path);

// Empties the Lines as a file read or an image load does: LineText, LineBox
// and PointCount of Lines 1..10 emptied, parameters "1".."10", Line 1 current.
void resetLines(SharedState& state);

} // namespace tracol
