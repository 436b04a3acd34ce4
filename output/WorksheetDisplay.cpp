#include "output/WorksheetDisplay.h"

#include "data/DataSetFile.h"
#include "output/Worksheet.h"

#include <QDir>
#include <QFile>

namespace tracol {

namespace {

// A computation has produced the report: its first line is "１．処理条件".
bool computed(const SharedState& state) {
    return !state.List4.isEmpty() && state.List4.first().contains(QStringLiteral("処理"));
}

// LibreOffice marks a file it holds open with a lock file beside it.
bool heldBySpreadsheet(const QDir& folder) {
    return folder.exists(QStringLiteral(".~lock.") + kWorksheetDisplayFileName + u'#');
}

} // namespace

QString worksheetUnwrittenMessage(const QString& reason) {
    const QString detail = reason == kCannotWriteMessage ? QString() : reason;
    return QStringLiteral("図算出表（Rrr.csv）を書込めませんでした。") + detail +
           QStringLiteral("<了解：クリック>");
}

WorksheetDisplay copyWorksheetForDisplay(const SharedState& state) {
    WorksheetDisplay display;
    if (state.ParametersNotNumeric) {
        display.message = kParametersNotNumericMessage;
        return display;
    }
    if (!computed(state)) {
        display.message = kNotComputedMessage;
        return display;
    }
    display.outcome = WorksheetDisplay::Outcome::NotCopied;
    const QDir folder(state.WorkingFolder);
    const QString worksheet = folder.filePath(kWorksheetFileName);
    if (!state.WorksheetCurrent || !QFile::exists(worksheet)) {
        display.message = kWorksheetNotWrittenMessage;
        return display;
    }
    const QString copy = folder.filePath(kWorksheetDisplayFileName);
    if (heldBySpreadsheet(folder) || (QFile::exists(copy) && !QFile::remove(copy)) ||
        !QFile::copy(worksheet, copy)) {
        display.message = kDisplayCopyInUseMessage;
        return display;
    }
    display.outcome = WorksheetDisplay::Outcome::Copied;
    display.copyPath = copy;
    return display;
}

} // namespace tracol
