// Form20: loading and pasting the image, Line selection, starting sampling
// and Reset.

#include "digitize/Form20.h"

#include "data/TextLines.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tracol {

// ---- Workflow ----------------------------------------------------------------

void Form20::openImageFile() {
    openImageDialog(kOpenImage);
}

void Form20::openImageDialog(OpenPurposeValue purpose) {
    QWidget& image = imageWindow().window();
    if (image.isVisible())
        image.setEnabled(false);
    setEnabled(false);
    windows_.openDialog().open(purpose);
}

void Form20::pasteImage() {
    state_.ConversionOn = false;
    updateTraceCommand(); // off, and a preview goes with it
    clearBaseMarks();
    const QImage pasted = clipboardImage();
    if (pasted.isNull())
        return; // an empty clipboard leaves the picture as it was
    ImageWindowLink& image = imageWindow();
    image.pictureBox().setPicture(pasted);
    image.window().setWindowTitle(QStringLiteral("TracolGraph <Graph Paste>"));
    cleanPicture().setPicture(pasted);
    image.layOutPicture();
}

void Form20::openDataFile() {
    QWidget& image = imageWindow().window();
    if (image.isVisible())
        image.setEnabled(false);
    setEnabled(false);
    // Sampling becomes active once a file is read (DataSetLoading): left with
    // "ｷｬﾝｾﾙ" or "戻 る", the dialog must not leave the clicks sampling.
    windows_.openDialog().open(kOpenDataFromMain);
}

void Form20::keyboardEntry() {
    imageWindow().window().hide();
    setEnabled(false);
    state_.KeyboardCaller = kCallerMain;
    windows_.keyboardEntry().openFromMainWindow(pos());
    hide();
}

void Form20::lineOptionClicked(int index) {
    if (!state_.SamplingActive)
        return;
    windows_.dataSet().followMainWindowLine(index + 1);
    state_.CurrentLine = static_cast<qint16>(index + 1);
}

void Form20::startSampling() {
    Timer4->stop();
    DataSetWindowLink& dataSet = windows_.dataSet();
    dataSet.window().setWindowTitle(QStringLiteral("DataSet"));
    if ((!state_.NotReady && state_.ConversionOn) || state_.DataOnlyMode) {
        state_.ConversionOn = true;
        state_.SamplingActive = true;
        if (const int line = selectedLine(); line < 1 || line > 4) {
            Option1[0]->setChecked(true);
            state_.CurrentLine = 1;
        }
        // The staged Line texts come back into the emptied boxes below; the
        // DataSet window recounts an emptied box, so keep them aside first.
        const auto staged = state_.LineText;
        for (int line = 1; line <= kLineCount; ++line) {
            state_.LineBox[line].clear();
            emit windows_.lineBoxChanged(line);
        }
        dataSet.beginSampling(pos(), selectedLine());
        setEnabled(false);
        Command5->setEnabled(false);
        // Every Line that holds text comes back, not only those before the
        // first empty one: points sampled into Line 3 alone must not vanish.
        for (int line = 1; line <= kLineCount; ++line) {
            if (staged[line].isEmpty())
                continue;
            state_.LineBox[line] = trimBlanks(staged[line]);
            emit windows_.lineBoxChanged(line);
        }
    }
    if (const int line = dataSet.selectedLine())
        dataSet.showPointCount(line);
    updateTraceCommand();
}

void Form20::resetCalibrationClicked() {
    state_.ConversionOn = false;
    state_.BaseValuesOk = state_.AutoConfirmDone = false;
    state_.XAxisDrawn = state_.YAxisDrawn = false;
    setBackgroundColour(Text8, Qt::white);
    setBackgroundColour(Text9, Qt::white);
    state_.NotReady = true;
    ImageWindowLink& image = imageWindow();
    image.window().setFocus();
    setPointer(this, PointerKind::Icon);
    setPointer(&image.window(), PointerKind::Cross);
    clearBaseMarks();
    if (cleanPicture().hasPicture())
        image.pictureBox().setPicture(cleanPicture().picture());
    image.pictureBox().clearDrawings();
    image.setFloatingLabelText(QString());
    state_.BaseConfirmed = false;
    setMidControlsEnabled(false);
    Command4->setEnabled(true);
    Command5->setEnabled(false);
    updateTraceCommand(); // off, and a preview goes with it
}

} // namespace tracol
