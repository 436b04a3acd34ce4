#pragma once
// "図算出表(Excel)表示": the worksheet of the last computation copied to
// "Tracol_File.csv" beside it, for the desktop to open in the spreadsheet.
// The copy keeps the worksheet itself free for the next computation while the
// spreadsheet holds the display copy.

#include "core/SharedState.h"

#include <QString>

namespace tracol {

inline const QString kWorksheetDisplayFileName = QStringLiteral("Tracol_File.csv");

inline const QString kParametersNotNumericMessage =
    QStringLiteral("パラメータが数値ではありません。<了解：クリック>");
inline const QString kNotComputedMessage =
    QStringLiteral("まだ、計算されていません。計算開始ボタンで実行。<了解：クリック>");
inline const QString kDisplayCopyInUseMessage = QStringLiteral("ファイルがＥｘｃｅｌで参照中です.");
inline const QString kWorksheetNotWrittenMessage =
    QStringLiteral("図算出表（Rrr.csv）を書き込めませんでした。再計算してください。<了解：クリック>");
inline const QString kNoSpreadsheetMessage =
    QStringLiteral("CSVファイルを開くアプリケーションが登録されていません。<了解：クリック>");

// What the computation screen says at once when the computation could not
// write the worksheet: the writer's reason added when it names more than
// the failure itself (a character the code page cannot hold).
QString worksheetUnwrittenMessage(const QString& reason);

struct WorksheetDisplay {
    enum class Outcome {
        Refused,   // nothing to show: `message` says why (the first two refusals)
        NotCopied, // the copy failed: `message` says why
        Copied,    // `copyPath` holds the worksheet, ready to be opened
    };
    Outcome outcome = Outcome::Refused;
    QString message;
    QString copyPath;
};

// The checks and the copy. A worksheet that the last computation could not
// write is never shown stale. The copy replaces an older one only when the
// spreadsheet does not hold it (its lock file "~lock.Tracol_File.csv#").
WorksheetDisplay copyWorksheetForDisplay(const SharedState& state);

} // namespace tracol
