#include "data/Form24.h"

#include "data/SaveNameChecks.h"
#include "data/SavedLines.h"
#include "ui/ControlFactory.h"
#include "ui/FileListBox.h"

#include <QDir>

namespace tracol {

Form24::Form24(SharedState& state, Windows& windows, QWidget* parent)
    : SaveDialog(state, windows, QStringLiteral("Form24"), parent) {
    windows_.form24 = this;
    windows_.saveDialogLink = this;
}

void Form24::open(qint16 saveKind, qint16 caller) {
    state_.SaveKind = saveKind;
    state_.SaveCaller = caller;
    showWindow(this);
}

void Form24::openForPrintedPages(const PrintedDocument& document, qint16 caller) {
    printedPages_ = document;
    namesBeforePdf_ = {state_.CurrentFilePath, state_.CurrentFileName, state_.LastDirectory,
                       state_.LastFileName};
    QString folder = pdfFolder_;
    if (folder.isEmpty())
        folder = state_.CurrentFilePath.isEmpty() ? QDir::homePath() : folderOfPath(state_.CurrentFilePath);
    state_.CurrentFileName = document.name + QStringLiteral(".pdf");
    state_.CurrentFilePath = joinPath(folder, state_.CurrentFileName);
    state_.LastFileName = state_.CurrentFileName;
    open(kSavePrintedPages, caller);
}

QString Form24::titleText() const {
    switch (state_.SaveKind) {
    case kSaveAllLines:
        return QStringLiteral("採取ﾃﾞｰﾀ全保存");
    case kSaveSelectedLine:
        return QStringLiteral("採取ﾃﾞｰﾀ選択保存");
    case kSaveRelationFormulas:
        return QStringLiteral("計算ﾌﾟﾛｸﾞﾗﾑの保存");
    case kSaveAllResults:
        return QStringLiteral("計算結果全保存");
    case kSaveHistory:
        return QStringLiteral("履歴保存");
    case kSavePrintedPages:
        return QStringLiteral("印刷内容のPDF保存");
    default:
        return QString();
    }
}

QString Form24::saveButtonCaption() const {
    return state_.SaveKind == kSaveAllLines ? QStringLiteral("入力ﾃﾞｰﾀの保存") : titleText();
}

FileOutcome Form24::write(const QString& path) {
    if (savesPrintedPages()) {
        if (!printedPages_ || !writeDocumentPdf(*printedPages_, path))
            return {false, QStringLiteral("PDFファイルに書き込めませんでした")};
        pdfFolder_ = folderOfPath(path);
        return {};
    }
    const DataSetWindowLink& dataSet = windows_.dataSet();
    SelectedLineInput selected;
    selected.line = static_cast<qint16>(dataSet.selectedLine());
    selected.parameterText = dataSet.parameterText();
    const FileOutcome outcome = writeSaveFile(state_, path, state_.SaveKind, selected);
    if (outcome.ok)
        markLinesSaved(state_, state_.SaveKind, selected.line);
    return outcome;
}

void Form24::returnToCaller() {
    if (savesPrintedPages()) {
        printedPages_.reset();
        state_.CurrentFilePath = namesBeforePdf_.currentFilePath;
        state_.CurrentFileName = namesBeforePdf_.currentFileName;
        state_.LastDirectory = namesBeforePdf_.lastDirectory;
        state_.LastFileName = namesBeforePdf_.lastFileName;
        if (state_.SaveCaller == kCallerPlot)
            windows_.plotScreen().comeBack();
        else
            windows_.computation().comeBack();
        return;
    }
    const bool dataSetSave = state_.SaveKind == kSaveAllLines || state_.SaveKind == kSaveSelectedLine;
    if (dataSetSave && state_.SaveCaller == kCallerDataSet) {
        windows_.mainWindow().startFollowingDataSet();
        windows_.dataSet().comeBack();
    } else if (state_.SaveCaller == kCallerMain || state_.SaveCaller == kCallerNone) {
        showWindow(&windows_.mainWindow().window());
    } else {
        windows_.computation().comeBack();
    }
}

} // namespace tracol
