#include "data/DataSetLoading.h"

#include "data/DataSetFile.h"
#include "data/LinesSnapshot.h"
#include "data/PointLimit.h"
#include "ui/LineHistory.h"

namespace tracol {

QString loadDataSetFile(SharedState& state, Windows& windows, const QString& path) {
    // A read that fails puts the Lines back: a wrong or broken file must not
    // cost the user the points on screen.
    const LinesSnapshot before = LinesSnapshot::of(state);
    const FileOutcome outcome = readDataSetFile(state, path);
    if (outcome.ok)
        state.SavedLineBox = state.LineBox; // what the boxes show came from the file
    else
        before.restore(state);
    for (int line = 1; line <= kLineCount; ++line)
        emit windows.lineBoxChanged(line);
    if (!outcome.ok)
        return outcome.message;
    windows.lineHistory().record(LineHistory::Kind::LoadedData, before);

    // The main window's menu item starts sampling with the Lines it read.
    if (state.OpenPurpose == kOpenDataFromMain)
        state.SamplingActive = true;
    windows.mainWindow().selectLine(1);
    DataSetWindowLink& dataSet = windows.dataSet();
    dataSet.showLoadedFile(state.CurrentFileName);
    QWidget& image = windows.imageWindow().window();
    image.setWindowTitle(QStringLiteral("TracolGraph"));
    if (image.isVisible())
        image.raise();
    if (state.OpenPurpose == kOpenDataFromMain)
        dataSet.takeMainWindowsPlace();
    dataSet.comeBack();
    windows.openDialog().window().hide();
    if (outcome.pointsBeyondLimit)
        dataSet.showMessage(kOnlyFirstPointsNotice);
    return QString();
}

} // namespace tracol
