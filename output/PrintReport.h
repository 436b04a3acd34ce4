#pragma once
// The printed outputs of text: the result report of the computation screen
// (menu "印刷", PROUTX) and the relation formulas of the plot screen
// ("関連式出力"), each as pages of text lines (output/PrintedText.h).
//
// The result report:
//   1. Font: the chosen font at the chosen size, else "ＭＳ 明朝" at 8 points.
//   2. A graph printed by "ｸﾞﾗﾌ出力" is pending (GraphPrintPending = 1): it
//      became 2; the graph went to the printer as its own document already.
//   3. Every line below starts with the margin: 96 / size blanks.
//   4. Page 1: five lines of the margin, then margin + "Page 1"; the line
//      counter becomes 6.
//   5. "＜Ｘ／Ｙデータ＞"; for every Line whose text (LineText with keyboard
//      data, else the DataSet window's text) is longer than 10 characters
//      after trimming: an empty line, "Parameter   = " + parameter,
//      "Data Number = " + Str(PointCount), then its points - keyboard data as
//      X + " , " + Y, sampled text lines (at most 200) split at their first
//      comma with X and Y right-aligned in 9 characters, joined by " ,".
//   6. The result summary (List2) is scanned for the annotations: a line
//      holding "平均誤差" or "最大誤差" is the error of a Line, any other line
//      holding "誤差" the error of a section.
//   7. Two empty lines, "＜計算式表示＞" and every line of the equation list
//      (List3).
//   8. A separating line, "＜関連式表示＞" and every line of the relation
//      list (List4): a line holding "パラメータ" gets "   --- " and the next
//      Line error appended, a line holding "Eq." the next section error.
//
// Paging (NNPP): the counter counts every printed line; when it reaches the
// line limit (output/PrintPageRules.h) a new page starts with an empty line,
// five more and "        Page " + number, and the counter becomes 7. A
// page thus never holds more lines than the limit rounded up.
//
// The relation output: the font as in 1; a pending graph is forgotten
// (GraphPrintPending = 0); "＜関連式出力＞" after ten blanks, then the
// relation list with the annotations of the last printed report. Paging
// (NNPP1): every page ends with an empty line and "        Page " + its
// number, 1 on the first; those two lines count towards the limit.

#include "core/SharedState.h"
#include "output/PrintedText.h"

namespace tracol {

struct TextPrintout {
    PrintedText text;
    bool graphWasPending = false; // a graph of "ｸﾞﾗﾌ出力" came before this output
};

// The result report. Writes GraphPrintPending and the collected annotations.
TextPrintout resultReport(SharedState& state);

// The relation output. Writes GraphPrintPending.
TextPrintout relationFormulaReport(SharedState& state);

} // namespace tracol
