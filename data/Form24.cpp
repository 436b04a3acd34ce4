#include "data/Form24.h"

#include "data/SavedLines.h"
#include "ui/ControlFactory.h"

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
    default:
        return QString();
    }
}

QString Form24::saveButtonCaption() const {
    return state_.SaveKind == kSaveAllLines ? QStringLiteral("入力ﾃﾞｰﾀの保存") : titleText();
}

FileOutcome Form24::write(const QString& path) {
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
