#pragma once
// The keyboard entry window's work, without the window: counting the lines
// of a page, splitting a typed point line (tab, comma or blank between X and
// Y), the computation start ("数式算出処理", also run by "全データ保存" to
// validate) and the comma conversion ("ｶﾝﾏ区切り変換").
//
// The window's page boxes are handed in as KeyboardPage values: page k holds
// Line k's parameter box Text1(k-1), data box Text2(k-1) and count box
// Text3(k-1).

#include "core/SharedState.h"

#include <QList>
#include <QString>

#include <array>

namespace tracol {

inline const QString kKeyboardNoDataMessage = QStringLiteral("データが無い");
inline const QString kBadPointLineMessage = QStringLiteral("X,Yﾃﾞｰﾀ異常");
inline const QString kBlankValueMessage = QStringLiteral("ﾌﾞﾗﾝｸﾃﾞｰﾀが存在します");
inline const QString kBadXMessage = QStringLiteral("X値が異常");
inline const QString kBadYMessage = QStringLiteral("Y値が異常");
inline const QString kEmptyParameterLineMessage = QStringLiteral("ﾃﾞｰﾀの無いParameterが有る");
inline const QString kNoParameterMessage = QStringLiteral("Parameterの定義がない");
inline const QString kTooFewPairsMessage = QStringLiteral("X,Yﾃﾞｰﾀの組が少ない");
inline const QString kCommaConversionErrorMessage = QStringLiteral("Error");

// One page of the keyboard entry window.
struct KeyboardPage {
    QString parameter; // Text1(k-1): the Line's parameter
    QString data;      // Text2(k-1): point lines
    QString count;     // Text3(k-1): point count as shown
};
using KeyboardPages = std::array<KeyboardPage, kLineCount>; // page k-1 for Line k

// Result of counting the lines of a changed data box.
struct PageLineCount {
    QString text;                   // the box's text without empty lines, CR LF ends
    bool textChanged = false;       // the box must be given `text`
    qint16 count = 0;               // what the count box shows
    bool pointsBeyondLimit = false; // more than 100 lines: only the first 100 count
};

// The data box of `line` changed to `boxText`: removes empty lines, counts the
// point lines (at most 100), sets PointCount and LineText of the Line.
PageLineCount countPageLines(SharedState& state, int line, const QString& boxText);

// One point line split into X and Y; `message` is set when it is refused.
struct PointLineSplit {
    QString x, y;
    QString message; // empty = accepted
};

// Splits a typed point line. The separator is a tab when the line has a tab
// and no comma, else a comma when it has one, else a blank (a run of blanks
// counts as one); a third value after a second separator is ignored.
PointLineSplit splitPointLine(const QString& line);

// Result of a keyboard computation start or comma conversion.
struct KeyboardOutcome {
    QString message;                // empty = passed
    bool pointsBeyondLimit = false; // a page holds more than 100 point lines
    bool ok() const { return message.isEmpty(); }
};

// The keyboard entry's computation start up to the hand-over: sets
// KeyboardDataActive, takes the pages' texts, counts and parameters into the
// Lines, splits the point lines into PointXText/PointYText, checks the pages,
// sets LinesInUse, orders the Lines by parameter and sets WorkEstimate.
KeyboardOutcome prepareKeyboardComputation(SharedState& state, const KeyboardPages& pages);

// Result of the comma conversion: the pages' new data and count texts.
struct CommaConversion {
    QString message; // "Error" when a line was refused; the pages are then unchanged
    bool pointsBeyondLimit = false;
    QList<int> convertedLines; // Lines rewritten, 1..LinesInUse
    KeyboardPages pages;       // the pages after conversion
    bool ok() const { return message.isEmpty(); }
};

// Rewrites every page that holds data as lines "X, Y" (comma and one blank),
// and sets LineText and PointCount of those Lines.
CommaConversion convertToCommaSeparated(SharedState& state, const KeyboardPages& pages);

} // namespace tracol
