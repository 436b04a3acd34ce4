// Form22: the data purposes of the open dialog (1: from the DataSet window,
// 2: from the main window's menu "数値ﾃﾞｰﾀの呼込み"), reading a data-set file.

#include "data/Form22.h"

namespace tracol {

bool Form22::openDataSet() {
    // Reading data-set files arrives with the DataSet window; until then the
    // dialog stays open.
    return false;
}

} // namespace tracol
