#pragma once
// The state every window of Tracol shares: the ten Lines, the calibration of
// the graph image, the sampling flags, the prepared point tables, the
// calculation conditions, the fitting results and the file-dialog state.
//
// One SharedState is owned by the application and handed to every window and
// module operation by reference; tests build their own. Names are the ones
// the windows and modules use throughout. Per-Line arrays run 0..10 and index
// 0 is never a Line.
//
// Types: "Integer" values are 16-bit in range (qint16); "Single" is float;
// "Double" is double; flags are bool. Picture positions are twips of the
// image's own pixels (pixel x 15) and are held in 32-bit integers or floats so
// that images wider than 32767 twips never wrap.

#include "core/PrintSettings.h"
#include "core/Purposes.h"
#include "core/TextLineList.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tracol {

constexpr int kLineCount = 10;      // Lines 1..10
constexpr int kMaxLinePoints = 100; // points of a Line that take part in a computation
constexpr int kTwipsPerPixel = 15;

// Start values of the calculation conditions, which are also its standard
// values ("標準値"): cutoff 0.00076, error mode 2, three sections, and at
// start-up every coordinate system excluded until the computation screen
// first loads and includes system A.
constexpr float kStartCutoffError = 0.00076f;
constexpr qint16 kStartErrorMode = 2;
constexpr qint16 kStartMaxDivisions = 3;

inline const QString kInitialImagePattern = QStringLiteral("*.BMP;*.JPG");
inline const QString kInitialDataPattern = QStringLiteral("*.DA*;*.TX*;*.DO*;*.WR*");
inline const QString kInitialPdfPattern = QStringLiteral("*.PDF");

template <typename T> using PerLine = std::array<T, kLineCount + 1>; // index 0..10
template <typename T>
using PointTable = std::array<std::array<T, kMaxLinePoints + 1>, kLineCount + 1>; // (Line, point)

// Result store of the fitting driver: for Line L = 1..10 and section s = 1..3.
// Every field refers to the Line's own number, not its place in LineOrder.
struct FitResultStore {
    template <typename T> using PerSection = std::array<PerLine<T>, 4>; // (s, L), s = 1..3

    PerLine<qint16> SectionCount{};         // 1..3 sections of the stored result
    PerSection<qint16> SectionPointCount{}; // valid points fitted in section s
    PerSection<qint16> SectionFirstPoint{}; // index of the first point of section s
    PerSection<qint16> SectionLastPoint{};  // index of its last point (= first point of s + 1)
    PerSection<qint16> SectionEqNo{};       // 1..21, 0 = no equation
    PerSection<float> SectionError{};       // mean relative error
    PerSection<float> SectionC1{}, SectionC2{}, SectionC3{}, SectionC4{}; // highest power first
    PerSection<QString> SectionEquationText{};                            // display text of the equation
    PerSection<QString> SectionProgramText{};                             // assignment-statement text
    PerLine<float> ThreeSectionError{}; // combined error of a stored three-section result
    float LastCombinedError = 0;        // combined error of the result stored last
};

struct SharedState {
    // ---- Data sets (Lines) ------------------------------------------------
    // Live text of Line n: one point per line, "X,Y" + CR LF. This is the
    // model; the DataSet window's box Text1(n-1) is its view and writes edits
    // back here. Sampling appends to it, a file read fills it.
    PerLine<QString> LineBox{};
    std::array<QString, 31> LineText{}; // staging copy of Line texts (files), index = Line number
    PerLine<qint16> PointCount{};       // points of Line n (at most 100 counted)
    PerLine<QString> LineParameter{};   // parameter text of Line n
    qint16 CurrentLine = 1;             // Line that receives sampled points
    bool SamplingActive = false;        // clicks on the image append points
    bool SkipNextSample = false;        // next click marks a mid point, adds no point
    bool DataOnlyMode = false;          // DataSet window left without an image window

    // ---- Calibration: base points ------------------------------------------
    float PixXmin = 0, PixYmin = 0, PixXmax = 0, PixYmax = 0; // mark positions (0 = not set)
    float ValXmin = 0, ValXmax = 0, ValYmin = 0, ValYmax = 0; // typed values (Text3..Text6)
    bool XminMarked = false, XmaxMarked = false, YminMarked = false, YmaxMarked = false;
    qint16 MarkMode = 0;               // next click marks: 0 nothing, 1 Xmin, 2 Xmax, 3 Ymin, 4 Ymax
    qint16 CheckedBaseCount = 0;       // checked boxes among Check1..Check4
    std::array<qint16, 5> PrevCheck{}; // PrevCheck1..PrevCheck4 at index 1..4
    bool XAxisDrawn = false, YAxisDrawn = false;
    bool BaseValuesOk = false;    // four boxes checked and values passed at the last check
    bool AutoConfirmDone = false; // automatic confirmation ran since the base points changed
    bool BaseConfirmed = false;   // base coordinates confirmed
    bool ConversionOn = false;    // picture clicks are converted to graph values
    bool NotReady = false;        // calibration incomplete or invalid

    // ---- Calibration: intermediate (mid) points ----------------------------
    bool XmidChecked = false, YmidChecked = false; // Check6 / Check7 on
    qint16 MidMarkMode = 0;                        // 1 next click marks Xmid, 2 Ymid
    float PixXmid = 0, PixYmid = 0;                // mid mark positions (0 = not marked)
    float ValXmid = 0, ValYmid = 0;                // Text10 / Text11 values
    bool XmidActive = false, YmidActive = false;   // the correction is in force
    qint16 PrevCheck6 = 0, PrevCheck7 = 0;

    // ---- Conversion and display --------------------------------------------
    float ClickX = 0, ClickY = 0; // picture position waiting to be converted
    bool ConversionPending = false;
    qint32 CursorX = 0, CursorY = 0; // last pointer or mark position, rounded
    bool ExpDisplay = false;         // converted values in exponent form (Check5)
    float MarkSize = 0;              // size unit of the marks, twips
    float MarkArm = 0;               // 0.3 x MarkSize
    float MarkSizeCache = 0;         // MarkSize remembered by the first Xmax mark
    bool LiveTick = false;           // toggled by every live readout tick

    // ---- Computation input -------------------------------------------------
    PointTable<QString> PointXText{}, PointYText{}; // prepared X / Y value texts
    PerLine<qint16> LoadedLineKind{};               // index of a Line's first point (always 1)
    PerLine<qint16> LoadedLineCount{};              // points of a prepared or loaded Line
    qint16 LinesInUse = 0;                          // Lines from Line 1 that hold data
    PerLine<QString> SortedParameter{};             // parameter texts in sorted order (1..10)
    PerLine<qint16> LineOrder{};                    // Line at each sorted position (1..10)
    bool KeyboardDataActive = false;                // the data sets were last set up by keyboard entry
    qint16 WorkEstimate = 0;                        // expected number of trials, for the progress bar
    qint16 ComputeCaller = 0;                       // opener of the computation screen (CallerValue)
    qint16 SingleLine = 0;                          // the one Line to validate; 0 = all
    bool ValidateOnly = false;                      // computation start only validates and prepares

    // ---- File dialogs --------------------------------------------------------
    qint16 OpenPurpose = 0; // what the open dialog loads (OpenPurposeValue)
    qint16 SaveKind = 0;    // what the save dialog writes (SaveKindValue)
    qint16 SaveCaller = 0;  // window that opened the save dialog (CallerValue)
    qint16 CsvPurpose = 0;  // what the CSV dialog writes (CsvPurposeValue)
    QString CurrentFilePath, CurrentFileName, LastDirectory, LastFileName;

    // ---- Calculation conditions ---------------------------------------------
    float CutoffError = kStartCutoffError;
    qint16 ErrorMode = kStartErrorMode;
    qint16 MaxDivisions = kStartMaxDivisions;
    // 1 = system 1..7 excluded. At start-up all seven are; the first loading of
    // the computation screen sets the standard conditions (only system A).
    std::array<qint16, 11> ExcludedSystems{0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    bool AllSystemsFlag = false;

    // ---- Fitting results and reports ----------------------------------------
    FitResultStore FitResult;
    QStringList RelationProgramLines; // "Y(k)=" + right-hand side of a section's program text
    qint32 FitCount = 0;              // fits evaluated in the current computation
    bool AbortRequested = false;      // set by the progress window's abort button
    PerLine<float> LineXMax{}, LineXMin{}, LineYMax{}, LineYMin{}; // per position in LineOrder
    float OverallXMax = -1e15f, OverallXMin = 1e15f, OverallYMax = -1e15f, OverallYMin = 1e15f;
    bool ParametersNotNumeric = false; // a parameter of the last computation is not a number
    TextLineList List1;                // the computation screen's trace, up to a million lines
    QStringList List2, List3, List4;   // its other lists

    // ---- Fitting engine: working values kept between the driver and its readers
    // (fit/Module1). StatusCode of every EqNo (index 0 = no equation), refilled
    // at the start of every computation.
    std::array<QString, 22> EquationStatusCode{};
    float PlotDefaultXMin = 0, PlotDefaultXMax = 0; // overall X range handed to the plot
    qint32 ThreeSectionTrialCount = 0;              // three-section trials of this computation
    bool ComputationCompleted = false;              // the last computation ran to its end

    // ---- DataSet window: what was last saved or loaded -------------------------
    // The Line texts as last written to or read from a data-set file. Keyboard
    // entry asks before it replaces Lines whose points differ from these.
    PerLine<QString> SavedLineBox{};

    // ---- Keyboard entry --------------------------------------------------------
    qint16 KeyboardCaller = 0; // window that opened keyboard entry (CallerValue)

    // ---- Output: curve sampling (Module70) and output files -----------------
    // The sampler's input: the section's kind, its coefficients copied into
    // the slot of that kind (c and d are 0 for kinds of degree 1), its X range,
    // the number of intervals (299 plot, 29 CSV export) and the X stepping.
    std::array<double, 51> CoefA{}, CoefB{}, CoefC{}, CoefD{}; // slots 0..50 by equation kind
    qint16 CurveKind = 0;                                      // kind of the section to sample
    float SectionXStart = 0, SectionXEnd = 0;                  // X of its first and last point
    qint16 CurveSteps = 299;                                   // sampling intervals N
    bool PlotLogX = false;                                     // geometric X stepping (log X axis)
    qint16 CurveLine = 0, CurveSection = 0; // Line and section whose data points widen the Y extent
    // The sampler's output: curve points in slots 1..CurvePointCount and the
    // Y extent of the section's data and curve points.
    std::array<float, 501> CurveX{}, CurveY{};
    qint16 CurvePointCount = 0;
    float SectionYMin = 1e20f, SectionYMax = -1e20f;
    // Writable per-user folder of the worksheet "Rrr.csv", chosen at start-up.
    QString WorkingFolder;
    bool WorksheetCurrent = false; // "Rrr.csv" holds the last completed computation

    // ---- Digitizing windows and file dialogs: remembered between openings ----
    QString ImagePattern = kInitialImagePattern; // file pattern of the open dialog for images
    QString DataPattern = kInitialDataPattern;   // file pattern of the dialogs for data sets
    QString PdfPattern = kInitialPdfPattern;     // file pattern of the open dialog for PDF pages
    QString RememberedDrive;                     // drive of the last directory change in a dialog
    QString RememberedDirectory;                 // directory of that change
    QString ImageFilePath;                       // graph image last opened: no name for a file to write

    // ---- Printing ------------------------------------------------------------------
    PrintSettings printSettings; // font, size, paper, orientation, the last graph, annotations
};

// The Reset step of the main window: forget the base points and the
// confirmation, keep the typed values, the mid values and all data sets.
void resetCalibration(SharedState& state);

} // namespace tracol
