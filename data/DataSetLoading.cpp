#include "data/DataSetLoading.h"

#include "data/DataSetFile.h"
#include "data/PointLimit.h"

namespace tracol {

namespace {

// The Lines as they stand before a read. A read that fails puts them back:
// a wrong or broken file must not cost the user the points on screen.
struct LinesBeforeRead {
    PerLine<QString> box, parameter;
    decltype(SharedState::LineText) text{};
    PerLine<qint16> count{};
    qint16 currentLine = 1;

    explicit LinesBeforeRead(const SharedState& state)
        : box(state.LineBox), parameter(state.LineParameter), text(state.LineText), count(state.PointCount),
          currentLine(state.CurrentLine) {}
    void restore(SharedState& state) const {
        state.LineBox = box;
        state.LineText = text;
        state.LineParameter = parameter;
        state.PointCount = count;
        state.CurrentLine = currentLine;
    }
};

} // namespace

QString loadDataSetFile(SharedState& state, Windows& windows, const QString& path) {
    const LinesBeforeRead before(state);
    const FileOutcome outcome = readDataSetFile(state, path);
    if (outcome.ok)
        state.SavedLineBox = state.LineBox; // what the boxes show came from the file
    else
        before.restore(state);
    for (int line = 1; line <= kLineCount; ++line)
        emit windows.lineBoxChanged(line);
    if (!outcome.ok)
        return outcome.message;

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
