#pragma once
// What the plot screen's print buttons do (Form70): the graph on a printer
// page ("ｸﾞﾗﾌ出力"), the whole window as an image ("H Copy") and the relation
// formulas ("関連式出力"). Each prints through the program's print output
// (ui/PrintOutput.h) on the paper of the print settings; where no printer is
// configured the pages may go to a PDF file, and the save dialog then hands
// control back to the plot screen (kCallerPlot).

#include "core/SharedState.h"
#include "output/PlotData.h"
#include "ui/PrintedDocument.h"
#include "ui/Windows.h"

class QWidget;

namespace tracol {

inline const QString kHardCopyFailedTitle = QStringLiteral("プリンター不適合エラー");
inline const QString kHardCopyFailedMessage =
    QStringLiteral("このプリンターではどうも出力できないようです．「グラフ出力」で出力してください．");

// The plot on one page of the chosen paper and orientation, laid out for
// the page (white paper, larger circles), with the Parameter labels when
// `showParameters` (ParaShown).
PrintedDocument graphDocument(const PlotData& data, bool showParameters, const PrintSettings& settings);

// An image on one portrait page of the chosen paper, from the top left of
// the printable area, at its size on the screen or smaller to fit.
PrintedDocument hardCopyDocument(const QImage& image, const PrintSettings& settings);

// "ｸﾞﾗﾌ出力": GraphPrintPending := 1; a usable plot is printed (an unusable
// one prints nothing and says nothing).
void printGraph(SharedState& state, Windows& windows, QWidget& plotScreen, const PlotData& data,
                bool showParameters);

// "H Copy": the plot screen as it is shown now, printed as one image. The
// caller gives the picture its white background and redraws before, and
// restores it after. A window that cannot be taken or printed shows
// kHardCopyFailedMessage, titled kHardCopyFailedTitle. The print settings'
// orientation stays as chosen.
void printHardCopy(const SharedState& state, Windows& windows, QWidget& plotScreen);

// "関連式出力": the relation formulas with the annotations of the last
// printed report (output/PrintReport.h); GraphPrintPending := 0.
void printRelationFormulas(SharedState& state, Windows& windows, QWidget& plotScreen);

} // namespace tracol
