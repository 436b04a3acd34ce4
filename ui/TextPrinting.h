#pragma once
// Pages of text (output/PrintedText.h) on a printer page: one font, lines
// spaced so that the printable height holds the page's number of lines
// (its character cell), each line from the left edge of the printable area.
//
// The program's fonts are the Japanese fonts of its origin; each prints in
// an installed font: "ＭＳ ゴシック" and "ＭＳ 明朝" in Noto Sans Mono CJK JP
// (monospaced, so that the columns of the report line up: a half-width
// character takes half the width of a full-width one), "ＭＳ Ｐゴシック" in
// Noto Sans CJK JP and "ＭＳ Ｐ明朝" in Noto Serif CJK JP (proportional, as
// their names say).

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
