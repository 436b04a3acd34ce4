#include "data/DataSetLoading.h"

#include "data/DataSetFile.h"
#include "data/Form21.h"
#include "data/PointLimit.h"
#include "ui/Controls.h"

namespace tracol {

namespace {

void bringForward(QWidget* window) {
    if (window && window->isVisible())
        window->raise();
}

// A read from the main window puts the DataSet window in the main window's place.
void takeMainWindowsPlace(Windows& windows, Form21* dataSet) {
    QWidget* main = windows.form20;
    if (!main)
        return;
    dataSet->move(main->pos());
    dataSet->placeLineBoxes();
    for (int k = 0; k < kLineCount; ++k) {
        const QString name = indexedName(QStringLiteral("Option1"), k);
        if (isControlChecked(main, name))
            setControlChecked(dataSet, name, true);
    }
    if (auto* readout = control<QTimer>(main, QStringLiteral("Timer1")))
        readout->start();
    if (windows.mdiForm20)
        windows.mdiForm20->hide();
}

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

    setControlChecked(windows.form20, QStringLiteral("Option1(0)"), true);
    auto* dataSet = qobject_cast<Form21*>(windows.form21.data());
    if (dataSet)
        dataSet->showLoadedFile(state.CurrentFileName);
    if (windows.mdiForm20)
        windows.mdiForm20->setWindowTitle(QStringLiteral("TracolGraph"));
    if (windows.form22)
        windows.form22->close();
    bringForward(windows.mdiForm20);
    if (dataSet) {
        if (state.OpenPurpose == 2)
            takeMainWindowsPlace(windows, dataSet);
        dataSet->setEnabled(true);
        dataSet->show();
        dataSet->raise();
        if (outcome.pointsBeyondLimit)
            dataSet->showMessage(kOnlyFirstPointsNotice);
    }
    return QString();
}

} // namespace tracol
