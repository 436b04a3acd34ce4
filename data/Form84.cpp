#include "data/Form84.h"

#include "data/SaveNameChecks.h"
#include "output/CsvExtensionRule.h"
#include "output/GraphDataCsv.h"
#include "ui/ControlFactory.h"

namespace tracol {

Form84::Form84(SharedState& state, Windows& windows, QWidget* parent)
    : SaveDialog(state, windows, QStringLiteral("Form84"), parent) {
    windows_.form84 = this;
    windows_.csvSaveDialogLink = this;
}

void Form84::open(qint16 csvPurpose, const QString& saveButtonCaption) {
    state_.CsvPurpose = csvPurpose;
    saveButtonCaption_ = saveButtonCaption;
    showWindow(this);
}

QString Form84::titleText() const {
    return state_.CsvPurpose == kCsvPurposeGraphData ? QStringLiteral("ＣＳＶ")
                                                     : QStringLiteral("キーボード入力");
}

QString Form84::saveButtonCaption() const {
    return saveButtonCaption_;
}

QString Form84::nameWarning(const QString& path) const {
    return csvExtensionWarning(state_.CsvPurpose, fileNameOfPath(path));
}

FileOutcome Form84::write(const QString& path) {
    return writeCsvDialogFile(state_, state_.CsvPurpose, path);
}

void Form84::returnToCaller() {
    if (state_.CsvPurpose == kCsvPurposeGraphData)
        windows_.plotScreen().comeBack();
    else
        windows_.keyboardEntry().comeBack();
}

} // namespace tracol
