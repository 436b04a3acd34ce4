#pragma once
// Pages of text (output/PrintedText.h) on a printer page: one font, lines
// spaced so that the printable height holds the page's number of lines
// (its character cell), each line from the left edge of the printable area.
//
// The program's fonts are the Japanese fonts of its origin; each prints in
// an installed font: the Gothic ones ("ＭＳ ゴシック", "ＭＳ Ｐゴシック") in
// Noto Sans CJK JP, the Mincho ones ("ＭＳ 明朝", "ＭＳ Ｐ明朝") in Noto
// Serif CJK JP. The P fonts are proportional, as their names say. The other
// two are monospaced, so that the columns of the report line up: a line is
// laid out in cells of half an em, one for a character of one byte in code
// page 932 (ASCII, half-width katakana) and two for every other, each glyph
// in its own cells whatever its own width. "ＭＳ ゴシック" takes the
// monospaced cut of Noto Sans CJK JP (Noto Sans Mono CJK JP) where it is
// installed, whose half-width glyphs are drawn for such cells.

#include "output/PrintedText.h"
#include "ui/PrintedDocument.h"

#include <QFont>

namespace tracol {

// The installed family that `fontName` prints in.
QString installedPrintFamily(const QString& fontName);

// The QFont of a print font at `pointSize` points.
QFont printQFont(const QString& fontName, int pointSize);

// The document that prints the pages, named `name` for the spooler.
PrintedDocument textDocument(const PrintedText& text, const QString& name);

} // namespace tracol
