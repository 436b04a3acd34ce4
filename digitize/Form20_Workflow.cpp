// Form20: loading and pasting the image, Line selection, starting sampling
// and Reset.

#include "digitize/Form20.h"

#include "core/NumericText.h"
#include "data/TextLines.h"
#include "digitize/Form23.h"
#include "digitize/MDIForm20.h"
#include "ui/Controls.h"
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
    state_.OpenPurpose = 3;
    if (MDIForm20* image = imageWindow(); image && image->isVisible())
        image->setEnabled(false);
    setEnabled(false);
    if (windows_.form22)
        windows_.form22->show();
}

void Form20::pasteImage() {
    state_.ConversionOn = false;
    clearBaseMarks();
    MDIForm20* image = imageWindow();
    const QImage pasted = clipboardImage();
    if (!image || pasted.isNull())
        return; // an empty clipboard leaves the picture as it was
    image->picture()->setPicture(pasted);
    image->setWindowTitle(QStringLiteral("TracolGraph <Graph Paste>"));
    if (Form23* clean = holder())
        clean->picture()->setPicture(pasted);
    image->layOutPicture();
}

void Form20::openDataFile() {
    state_.OpenPurpose = 2;
    if (MDIForm20* image = imageWindow(); image && image->isVisible())
        image->setEnabled(false);
    setEnabled(false);
    state_.SamplingActive = true;
    if (windows_.form22)
        windows_.form22->show();
}

void Form20::keyboardEntry() {
    if (MDIForm20* image = imageWindow())
        image->hide();
    setEnabled(false);
    hide();
    if (QWidget* entry = windows_.form50) {
        state_.KeyboardCaller = 20;
        entry->move(pos());
        entry->show();
    }
}

void Form20::lineOptionClicked(int index) {
    if (!state_.SamplingActive)
        return;
    QWidget* dataSet = windows_.form21;
    for (int k = 0; k < kLineCount; ++k) {
        if (auto* box = control<QWidget>(dataSet, indexedName(QStringLiteral("Text1"), k)))
            box->setVisible(k == index);
    }
    setControlText(dataSet, QStringLiteral("Text6"), numtext::plainInteger(state_.PointCount[index + 1]));
    setControlChecked(dataSet, indexedName(QStringLiteral("Option1"), index), Option1[index]->isChecked());
    setControlText(dataSet, QStringLiteral("Text5"), numtext::plainInteger(index + 1));
    state_.CurrentLine = static_cast<qint16>(index + 1);
    if (dataSet)
        dataSet->show();
}

void Form20::startSampling() {
    Timer4->stop();
    QWidget* dataSet = windows_.form21;
    if (dataSet)
        dataSet->setWindowTitle(QStringLiteral("DataSet"));
    if ((!state_.NotReady && state_.ConversionOn) || state_.DataOnlyMode) {
        state_.ConversionOn = true;
        state_.SamplingActive = true;
        for (int k = 0; k < kLineCount; ++k) {
            if (Option1[k]->isChecked()) {
                setControlText(dataSet, QStringLiteral("Text6"),
                               numtext::plainInteger(state_.PointCount[k + 1]));
                break;
            }
        }
        if (!Option1[0]->isChecked() && !Option1[1]->isChecked() && !Option1[2]->isChecked() &&
            !Option1[3]->isChecked()) {
            Option1[0]->setChecked(true);
            state_.CurrentLine = 1;
        }
        // The staged Line texts come back into the emptied boxes below; the
        // DataSet window recounts an emptied box, so keep them aside first.
        const auto staged = state_.LineText;
        for (int k = 0; k < kLineCount; ++k) {
            state_.LineBox[k + 1].clear();
            emit windows_.lineBoxChanged(k + 1);
            if (auto* box = control<QWidget>(dataSet, indexedName(QStringLiteral("Text1"), k)))
                setTwipsGeometry(box, 45, 930, 2655, 1710);
            if (Option1[k]->isChecked())
                setControlChecked(dataSet, indexedName(QStringLiteral("Option1"), k), true);
        }
        if (dataSet) {
            dataSet->move(pos());
            for (int k = 0; k < kLineCount; ++k) {
                const bool selected = isControlChecked(dataSet, indexedName(QStringLiteral("Option1"), k));
                if (selected)
                    setControlText(dataSet, QStringLiteral("Text6"),
                                   numtext::plainInteger(state_.PointCount[k + 1]));
                if (auto* box = control<QWidget>(dataSet, indexedName(QStringLiteral("Text1"), k)))
                    box->setVisible(selected);
            }
            dataSet->show();
            dataSet->setEnabled(true);
        }
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
    for (int k = 0; k < kLineCount; ++k) {
        if (isControlChecked(dataSet, indexedName(QStringLiteral("Option1"), k))) {
            setControlText(dataSet, QStringLiteral("Text6"), numtext::plainInteger(state_.PointCount[k + 1]));
            break;
        }
    }
}

void Form20::resetCalibrationClicked() {
    state_.ConversionOn = false;
    state_.BaseValuesOk = state_.AutoConfirmDone = false;
    state_.XAxisDrawn = state_.YAxisDrawn = false;
    setBackgroundColour(Text8, Qt::white);
    setBackgroundColour(Text9, Qt::white);
    state_.NotReady = true;
    MDIForm20* image = imageWindow();
    Form23* clean = holder();
    if (image)
        image->setFocus();
    setPointer(this, PointerKind::Icon);
    setPointer(image, PointerKind::Cross);
    clearBaseMarks();
    if (image) {
        if (clean && clean->picture()->hasPicture())
            image->picture()->setPicture(clean->picture()->picture());
        image->picture()->clearDrawings();
        image->setFloatingLabelText(QString());
    }
    state_.BaseConfirmed = false;
    setMidControlsEnabled(false);
    Command4->setEnabled(true);
    Command5->setEnabled(false);
}

} // namespace tracol
