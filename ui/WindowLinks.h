#pragma once
// What each window offers the others. A window reaches another only through
// these links, which the Windows hub holds; the controls keep their names for
// tests and automation, not for other windows. Each window implements its
// link and registers it with the hub when it is built.
//
// Every link gives its window as a widget, so that the caller can show, hide,
// move or disable it; everything else a caller needs is an operation here.
// A window that hands control to another shows the other first and hides
// itself afterwards, so that the user is never left without a window.

#include "digitize/ConversionView.h"

#include <QColor>
#include <QString>

class QAction;
class QImage;
class QPoint;
class QPointF;
class QWidget;

namespace tracol {

class PictureBox;
struct PrintedDocument;

class WindowLink {
  public:
    virtual QWidget& window() = 0;

  protected:
    ~WindowLink() = default;
};

// Form20, the main window, as the data windows and dialogs need it.
class MainWindowLink : public WindowLink {
  public:
    // The Line whose selector Option1 is set (1..10), 0 when none is.
    virtual int selectedLine() const = 0;
    // Sets the selector of Line `line`; its click handling runs.
    virtual void selectLine(int line) = 0;
    // The live readout (Timer1) converting the pointer position.
    virtual void startLiveReadout() = 0;
    virtual void stopLiveReadout() = 0;
    // Timer4: the DataSet window is kept at this window's place.
    virtual void startFollowingDataSet() = 0;
    // "データ採取開始" (Command5) enabled again.
    virtual void enableSamplingButton() = 0;
    // The axis kinds chosen with Option2 / Option3.
    virtual AxisKind chosenAxisKind(Axis axis) const = 0;
    // A new image was loaded: value colours black, base marks and the
    // calibration forgotten, the not-ready look; enabled and shown.
    virtual void takeNewImage() = 0;
    // Back from keyboard entry: the first-activation steps run again as the
    // window is enabled and shown.
    virtual void comeBackFromKeyboardEntry() = 0;
    // A window it handed control to gives it back with nothing changed:
    // enabled and shown.
    virtual void comeBack() = 0;
    // Closing this window or the image window: the exit question comes up.
    virtual void requestExit() = 0;
};

// MDIForm20, the image window.
class ImageWindowLink : public WindowLink {
  public:
    static inline const QColor kBaseColour{128, 0, 0}; // marks and axis lines
    static inline const QColor kMidColour{0, 128, 0};  // intermediate-point marks

    virtual PictureBox& pictureBox() = 0;
    // The start of the program: shown at the top left of the screen's free
    // area, big enough for a page-sized graph as far as the screen allows,
    // with the main and DataSet windows at its right edge.
    virtual void showAtStart() = 0;
    // The picture shown at its new size after its image changed.
    virtual void layOutPicture() = 0;
    // A new graph image with its caption ("TracolGraph <path>").
    virtual void showImage(const QImage& image, const QString& caption) = 0;

    // The floating label Label1 that names the point being marked.
    virtual void showFloatingLabel(const QString& caption) = 0;
    virtual void hideFloatingLabel() = 0;
    virtual void setFloatingLabelText(const QString& caption) = 0;
    // Label1 and the guide lines hidden / moved to the pointer.
    virtual void hideCursorFollowers() = 0;
    virtual void followCursor() = 0;

    // MarkSize from the height of "A" in the default font.
    virtual void updateMarkSize() = 0;
    // A mark at a picture position (twips): a circle and a cross.
    virtual void drawMark(double x, double y, const QColor& colour) = 0;
    virtual void drawXAxisLine() = 0;
    virtual void drawYAxisLine() = 0;

    // Beyond the graph's own steps, each of which the user can switch off:
    // the zoom of the picture (positions stay twips of the image's pixels),
    // and the markers of the Lines' points over the image.
    enum class Zoom { Fit, Actual, Double, Quadruple };
    virtual void setZoom(Zoom zoom) = 0;
    virtual void setPointMarkersShown(bool shown) = 0;
    // The markers drawn again (the Lines, the calibration or the Line that
    // receives points changed).
    virtual void refreshPointMarkers() = 0;
    // The main window's trace command (TRACE) on the image window's own
    // toolbar too, within reach while the main window waits during sampling;
    // while it is checked the next click on the picture traces a curve.
    virtual void showTraceCommand(QAction& command) = 0;
};

// FormMagnifier, the pane that shows the image round the pointer enlarged.
class MagnifierLink : public WindowLink {
  public:
    virtual void setActive(bool active) = 0; // MAGNIFIER switched on or off
    virtual bool isActive() const = 0;
    // The image pixel a click would take moved.
    virtual void followPointer(QPoint pixel) = 0;
    // The wheel with Ctrl: up (+) or down (-) one enlargement, 2x to 8x.
    virtual void changeEnlargement(int steps) = 0;
};

// FormTrace, the preview of a traced curve before its points are appended.
class TracePreviewLink : public WindowLink {
  public:
    // A click on the picture while TRACE was on, at a picture position
    // (twips): the curve there is traced on the clean image and shown over
    // the picture with its points, or the window tells why it cannot be.
    virtual void traceAt(QPointF position) = 0;
    // The preview gone, nothing appended (a new image, a reset).
    virtual void cancelTrace() = 0;
};

// Form23, the hidden holder of the clean image.
class CleanImageLink {
  public:
    virtual PictureBox& cleanPicture() = 0;

  protected:
    ~CleanImageLink() = default;
};

// Form1, the exit question.
class ExitQuestionLink : public WindowLink {
  public:
    // Shows the question; the main and image windows wait disabled.
    virtual void ask() = 0;
};

// Form21, the DataSet window.
class DataSetWindowLink : public WindowLink {
  public:
    // The Line whose selector is set (1..10), 0 when none is.
    virtual int selectedLine() const = 0;
    // The parameter box Text2 as typed.
    virtual QString parameterText() const = 0;
    // The main window selected Line `line`: its box on show, its selector,
    // number and count; the window shown.
    virtual void followMainWindowLine(int line) = 0;
    // Sampling starts: the caption "DataSet", the Line boxes at their common
    // place, the main window's Line selected, the window at `position`,
    // enabled and shown.
    virtual void beginSampling(const QPoint& position, int line) = 0;
    // Text8 / Text9: the values converted last.
    virtual void setSampledText(Axis axis, const QString& text) = 0;
    // After a sampled point: the Line's number and count (Text5, Text6).
    virtual void showPointCount(int line) = 0;
    // After the Lines were reset (a new image): Line 1 selected with its
    // number, parameter and no points.
    virtual void showLinesReset() = 0;
    // After a data-set file was read (see DataSetLoading.h).
    virtual void showLoadedFile(const QString& fileName) = 0;
    // A read from the main window: the window and its boxes take the main
    // window's place and Line selection.
    virtual void takeMainWindowsPlace() = 0;
    virtual void showMessage(const QString& message) = 0;
    // A dialog or the computation screen hands control back.
    virtual void comeBack() = 0;
};

// Form22, the open dialog.
class OpenDialogLink : public WindowLink {
  public:
    // Sets OpenPurpose and shows the dialog (the caller has disabled itself).
    virtual void open(qint16 openPurpose) = 0;
    // Opens a file named outside the dialog (on the command line) as "決定"
    // opens it: an image for the image window, any other file as a data-set
    // file asked for by the main window. False when it cannot be opened: the
    // dialog then stays open and shows why.
    virtual bool openPath(const QString& path) = 0;
    // A graph image that did not come from an image file (a page of the PDF
    // file at `path`, made by the page window) taken as "決定" takes a read
    // one: the question before unsaved points go is asked over `asking`,
    // then the image window shows it with the caption "TracolGraph
    // <source>", the Lines and the calibration start afresh. False when the
    // user keeps the points: nothing changed.
    virtual bool takeImage(QWidget& asking, const QImage& image, const QString& path,
                           const QString& source) = 0;
};

// FormPdfPage, the page and resolution of a PDF file to digitize.
class PdfPageLink : public WindowLink {
  public:
    // The open dialog chose the PDF file at `path`: the window opens it and
    // is shown, asking for the page. Empty then; else the Japanese message
    // why the file cannot be read, and nothing is shown.
    virtual QString choosePage(const QString& path) = 0;
};

// Form24, the save dialog for data sets and result files.
class SaveDialogLink : public WindowLink {
  public:
    // Sets SaveKind and SaveCaller and shows the dialog.
    virtual void open(qint16 saveKind, qint16 caller) = 0;
    // Pages that found no printer, written as a PDF file (kSavePrintedPages);
    // `caller` gets control back.
    virtual void openForPrintedPages(const PrintedDocument& document, qint16 caller) = 0;
};

// Form84, the save dialog for graph-data CSV files and keyboard data.
class CsvSaveDialogLink : public WindowLink {
  public:
    // Sets CsvPurpose and shows the dialog with the save button's caption.
    virtual void open(qint16 csvPurpose, const QString& saveButtonCaption) = 0;
};

// Form50, keyboard entry.
class KeyboardEntryLink : public WindowLink {
  public:
    // From the main window's menu: placed at `position` and shown.
    virtual void openFromMainWindow(const QPoint& position) = 0;
    // The computation screen or a dialog hands control back.
    virtual void comeBack() = 0;
};

// Form33, the computation screen.
class ComputationScreenLink : public WindowLink {
  public:
    // Opened by `caller` (kCallerDataSet or kCallerKeyboard) with the point
    // tables prepared: the screen loads and is shown.
    virtual void openFrom(qint16 caller) = 0;
    // A dialog or window it opened hands control back: enabled and shown.
    virtual void comeBack() = 0;
    // The conditions window closed: the colour animation (Timer2) runs again.
    virtual void restartColourAnimation() = 0;
    // "中止" of the progress window: the running computation stops after its
    // current trial and the screen waits for "GO".
    virtual void computationAborted() = 0;
    // The plot screen closed with "戻 る": the screen's buttons and blinking
    // prompt come back with it.
    virtual void plotScreenClosed() = 0;
};

// Form29, the calculation conditions.
class ConditionsWindowLink : public WindowLink {
  public:
    // SEIDO: the window loads and is shown at its remembered place.
    virtual void open() = 0;
    // The computation screen loads while the main window has a logarithmic
    // axis: the window loads unseen and "全ての座標で計算" is ticked.
    virtual void includeAllSystemsUnseen() = 0;
};

// Form70, the plot screen.
class PlotScreenLink : public WindowLink {
  public:
    // From the computation screen: the screen opens (its opening steps run).
    // `fromDrawButton`: opened with "描 画", which keeps the advice hidden.
    virtual void openFromComputation(bool fromDrawButton) = 0;
    // A dialog it opened (the CSV save dialog, the print settings) hands
    // control back: enabled and shown.
    virtual void comeBack() = 0;
};

// Form8, the print settings.
class PrintSettingsLink : public WindowLink {
  public:
    // Opened by `caller` (kCallerComputation or kCallerPlot), which gets
    // control back when the window closes.
    virtual void openFrom(qint16 caller) = 0;
};

// GrForm35, the progress window.
class ProgressWindowLink : public WindowLink {
  public:
    // Shown with an empty bar, 1200 twips below the top of `screen` and
    // centred on it; its Timer1 runs.
    virtual void start(QWidget& screen) = 0;
    // Timer1 stopped, the window hidden.
    virtual void stop() = 0;
    // One tick of Timer1: the bar follows FitCount.
    virtual void updateBar() = 0;
};

} // namespace tracol
