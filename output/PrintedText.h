#pragma once
// A printed text document as plain data: pages of text lines in one font, and
// what the printer needs to place them - the paper, its orientation and the
// number of lines the page's height holds, which spaces the lines. ui/ puts
// such pages on a printer or a PDF file.

#include "core/PrintSettings.h"

#include <QStringList>

#include <vector>

namespace tracol {

struct PrintedText {
    QString fontName;  // the program's name of the font ("ＭＳ 明朝")
    int pointSize = 8; // points
    qint16 paperSize = kPaperA4;
    qint16 orientation = kPortrait;
    // Lines the printable height holds: the line pitch is that height divided
    // by this. No page holds more lines than this.
    double linesPerPage = 99;
    std::vector<QStringList> pages;
};

} // namespace tracol
