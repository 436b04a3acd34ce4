#pragma once
// Small text helpers of the data windows. Line texts keep CR LF line ends, as
// the data files do; text boxes and pasted text may bring LF or CR alone, so
// every form is brought to CR LF. "Blanks" are spaces only (a tab is not a
// blank: it separates values).

#include <QString>
#include <QStringList>

namespace tracol {

inline const QString kCrLf = QStringLiteral("\r\n");

// The text with every line break (CR LF, LF, CR) written as CR LF.
QString withCrLf(const QString& text);

// A CR LF text with a CR LF after its last line; an empty text stays empty.
QString withFinalCrLf(const QString& text);

// The lines of a text cut at CR LF, LF or CR; a final line break does not
// start another (empty) line, so "a\r\nb\r\n" gives "a", "b".
QStringList splitLines(const QString& text);

// The point lines of a text: its lines (as splitLines cuts them) that hold a
// comma.
QStringList pointLinesOf(const QString& text);

// The text with its empty lines removed, leading ones included; the lines
// that remain keep their text and their CR LF.
QString withoutEmptyLines(const QString& text);

// The text without spaces at both ends.
QString trimBlanks(const QString& text);

// The text with every space removed.
QString withoutBlanks(const QString& text);

} // namespace tracol
