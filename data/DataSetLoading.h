#pragma once
// The open dialog's data purposes: reading a data-set file into the Lines and
// showing it in the DataSet window (OpenPurpose 1 from the DataSet window,
// 2 from the main window).

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QString>

namespace tracol {

// "決定" for OpenPurpose 1 or 2: reads `path` and shows the Lines in the
// DataSet window. Returns the message for the dialog's message field
// ("ﾌｧｲﾙ名不正", "ﾌｧｲﾙ内容不正"), empty when the file was read; the caller
// then closes the dialog. A read that fails puts the Lines back as they were.
QString loadDataSetFile(SharedState& state, Windows& windows, const QString& path);

} // namespace tracol
