// Form22: the data purposes of the open dialog (1: from the DataSet window,
// 2: from the main window's menu "数値ﾃﾞｰﾀの呼込み"), reading a data-set file.

#include "data/DataSetLoading.h"
#include "data/Form22.h"
#include "ui/DiscardQuestion.h"

#include <QLineEdit>

namespace tracol {

bool Form22::openDataSet() {
    // The file's Lines replace the Lines on screen: points never saved are
    // given up only when the user says so.
    if (!mayDiscardUnsavedPoints(
            this, state_,
            {QStringLiteral("DiscardPointsForDataQuestion"), windowTitle(),
             QStringLiteral("保存していない採取データがあります。\n破棄して数値データを読み込みますか？")}))
        return false;
    const QString path = Text1->text().trimmed();
    if (!path.isEmpty())
        followChosenPath(path);
    const QString message = loadDataSetFile(state_, windows_, path);
    if (!message.isEmpty()) {
        showFileMessage(message);
        return false;
    }
    return true;
}

} // namespace tracol
