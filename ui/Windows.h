#pragma once
// Every window of Tracol, created once by the application and reached by the
// others through this hub. Windows are hidden and shown, never destroyed,
// until the program ends.
//
// A window reaches another only through its link (WindowLinks.h). A link that
// is needed and missing is a programming error: the application checks the
// set once it is built (missingWindows), and a call for a missing link stops
// the program with the window's name instead of silently doing nothing.
//
// The QWidget pointers name the windows for tests and automation, which drive
// the controls by their names.

#include "core/Purposes.h"
#include "ui/WindowLinks.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace tracol {

class CalibrationPanel;
class LineHistory;
class PrintOutput;
struct SharedState;

class Windows : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // ---- Links, registered by each window as it is built ---------------------
    ExitQuestionLink* exitQuestionLink = nullptr;     // Form1
    MainWindowLink* mainWindowLink = nullptr;         // Form20
    CalibrationPanel* calibrationPanelLink = nullptr; // Form20, for the image window
    DataSetWindowLink* dataSetLink = nullptr;         // Form21
    OpenDialogLink* openDialogLink = nullptr;         // Form22
    PdfPageLink* pdfPageLink = nullptr;               // FormPdfPage
    CleanImageLink* cleanImageLink = nullptr;         // Form23
    SaveDialogLink* saveDialogLink = nullptr;         // Form24
    ConditionsWindowLink* conditionsLink = nullptr;   // Form29
    ComputationScreenLink* computationLink = nullptr; // Form33
    KeyboardEntryLink* keyboardEntryLink = nullptr;   // Form50
    CsvSaveDialogLink* csvSaveDialogLink = nullptr;   // Form84
    ProgressWindowLink* progressLink = nullptr;       // GrForm35
    PlotScreenLink* plotScreenLink = nullptr;         // Form70
    PrintSettingsLink* printSettingsLink = nullptr;   // Form8
    ImageWindowLink* imageWindowLink = nullptr;       // MDIForm20
    MagnifierLink* magnifierLink = nullptr;           // FormMagnifier
    TracePreviewLink* tracePreviewLink = nullptr;     // FormTrace
    LineHistory* lineHistoryService = nullptr;        // undo and redo of the Lines
    // Where printed documents go; built by the print settings (Form8).
    PrintOutput* printOutputService = nullptr;

    ExitQuestionLink& exitQuestion() const { return need(exitQuestionLink, "Form1"); }
    MainWindowLink& mainWindow() const { return need(mainWindowLink, "Form20"); }
    CalibrationPanel& calibrationPanel() const { return need(calibrationPanelLink, "Form20"); }
    DataSetWindowLink& dataSet() const { return need(dataSetLink, "Form21"); }
    OpenDialogLink& openDialog() const { return need(openDialogLink, "Form22"); }
    PdfPageLink& pdfPage() const { return need(pdfPageLink, "FormPdfPage"); }
    CleanImageLink& cleanImage() const { return need(cleanImageLink, "Form23"); }
    SaveDialogLink& saveDialog() const { return need(saveDialogLink, "Form24"); }
    ConditionsWindowLink& conditions() const { return need(conditionsLink, "Form29"); }
    ComputationScreenLink& computation() const { return need(computationLink, "Form33"); }
    KeyboardEntryLink& keyboardEntry() const { return need(keyboardEntryLink, "Form50"); }
    CsvSaveDialogLink& csvSaveDialog() const { return need(csvSaveDialogLink, "Form84"); }
    ProgressWindowLink& progress() const { return need(progressLink, "GrForm35"); }
    PlotScreenLink& plotScreen() const { return need(plotScreenLink, "Form70"); }
    PrintSettingsLink& printSettings() const { return need(printSettingsLink, "Form8"); }
    ImageWindowLink& imageWindow() const { return need(imageWindowLink, "MDIForm20"); }
    MagnifierLink& magnifier() const { return need(magnifierLink, "FormMagnifier"); }
    TracePreviewLink& tracePreview() const { return need(tracePreviewLink, "FormTrace"); }
    LineHistory& lineHistory() const { return need(lineHistoryService, "LineHistory"); }
    PrintOutput& printOutput() const { return need(printOutputService, "Form8"); }

    // The computation screen opened by `caller` (kCallerDataSet or
    // kCallerKeyboard): the shared state records the opener (ComputeCaller)
    // and the screen is told it, both here.
    void openComputation(SharedState& state, CallerValue caller) const;

    // The windows whose links are missing, by name; empty for a complete set.
    QStringList missingWindows() const;

    // ---- The windows by name, for tests and automation --------------------------
    QPointer<QWidget> form1;         // 終了画面: exit confirmation
    QPointer<QWidget> form20;        // Tracol_R2.2: main window
    QPointer<QWidget> form21;        // DataSet: the collected Lines
    QPointer<QWidget> form22;        // データ呼込み: open dialog
    QPointer<QWidget> formPdfPage;   // PDFページの呼込み: page and resolution of a PDF file
    QPointer<QWidget> form23;        // hidden holder of the clean image
    QPointer<QWidget> form24;        // ﾃﾞｰﾀ書込み: save dialog
    QPointer<QWidget> form29;        // 計算処理条件設定: calculation conditions
    QPointer<QWidget> form33;        // 数式算出処理画面: computation screen
    QPointer<QWidget> form50;        // ﾃﾞｰﾀ入力: keyboard entry
    QPointer<QWidget> form70;        // ＰＬＯＴ画面: plot screen
    QPointer<QWidget> form8;         // 印刷: print settings
    QPointer<QWidget> form84;        // ﾃﾞｰﾀ書込み: CSV and keyboard-data save dialog
    QPointer<QWidget> grForm35;      // 計算状況目安: progress window
    QPointer<QWidget> mdiForm20;     // TracolGraph: image window
    QPointer<QWidget> formMagnifier; // 拡大表示: the magnifier
    QPointer<QWidget> formTrace;     // 曲線自動追跡: the preview of a traced curve

  signals:
    // The live text of Line `line` (SharedState::LineBox) was changed outside
    // the DataSet window (sampling, a file read); the window shows it again.
    void lineBoxChanged(int line);
    // Undo or redo put the Lines back as they were at one moment; the windows
    // show the selected Line's number, count and parameter again.
    void linesRestored();
    // The Lines changed in any way the history records (a point, an edit, a
    // delete, a load, an undo): the markers over the image follow.
    void linesChanged();

  private:
    template <typename Link> static Link& need(Link* link, const char* window) {
        if (!link)
            missing(window);
        return *link;
    }
    [[noreturn]] static void missing(const char* window);
};

} // namespace tracol
