#pragma once
// The codes by which windows tell a dialog what it is opened for and where it
// returns: the program's own values, kept as they are because the shared
// state holds them as plain numbers.

#include <QtGlobal>

namespace tracol {

// SharedState::OpenPurpose: what the open dialog loads.
enum OpenPurposeValue : qint16 {
    kOpenNothing = 0,         // no dialog pending
    kOpenDataFromDataSet = 1, // a data-set file for the DataSet window
    kOpenDataFromMain = 2,    // a data-set file from the main window's menu
    kOpenImage = 3,           // a graph image
    kOpenPdf = 4,             // a page of a PDF file as the graph image
};

// SharedState::SaveKind: what the save dialog writes.
enum SaveKindValue : qint16 {
    kSaveAllLines = 0,         // 採取ﾃﾞｰﾀ全保存: blocks of all Lines that hold points
    kSaveSelectedLine = 1,     // 採取ﾃﾞｰﾀ選択保存: block of the selected Line
    kSaveRelationFormulas = 2, // 計算ﾌﾟﾛｸﾞﾗﾑの保存: the lines of List4
    kSaveAllResults = 4,       // 計算結果全保存: data sets, List2, List3, List4
    kSaveHistory = 5,          // 履歴保存: the lines of List1
    kSavePrintedPages = 6,     // 印刷内容のPDF保存: pages that found no printer, as a PDF file
};

// SaveCaller, ComputeCaller, KeyboardCaller and the opener of the print
// settings: the window that opened another and gets control back.
enum CallerValue : qint16 {
    kCallerNone = 0,
    kCallerMain = 20,        // Form20, the main window
    kCallerDataSet = 21,     // Form21, the DataSet window
    kCallerComputation = 33, // Form33, the computation screen
    kCallerKeyboard = 50,    // Form50, keyboard entry
    kCallerPlot = 70,        // Form70, the plot screen
};

// SharedState::CsvPurpose: what the CSV / keyboard-data save dialog writes.
enum CsvPurposeValue : qint16 {
    kCsvPurposeKeyboardData = 50, // the typed Lines as a data-set file
    kCsvPurposeGraphData = 70,    // data and curve points of the plot
};

} // namespace tracol
