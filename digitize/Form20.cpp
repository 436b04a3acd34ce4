#include "digitize/Form20.h"

#include "core/NumericText.h"
#include "digitize/BasePointMarking.h"
#include "digitize/CalibrationCheck.h"
#include "digitize/HelpText.h"
#include "digitize/Module20.h"
#include "fit/Conditions.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/MessageField.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QTimer>

namespace tracol {

namespace {

QRect twipsRect(int top, int left, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

const QColor kBlue(0, 0, 255);         // colour 9 of the 16-colour palette
const QColor kReadyLabel(255, 0, 0);   // colour value 255
const QColor kNotReadyLabel(18, 0, 0); // colour value 18
const QColor kReadyXBackground(251, 255, 217);
const QColor kReadyYBackground(246, 255, 217);
const QRect kMessageArea = twipsRect(192, 30, 2700, 285);
const QRect kMessageAreaTwips(30, 192, 2700, 285);

// Text12's hints; Command4's only while the calibration awaits its first
// confirmation (confirmationHintDue).
HintTable mainWindowHints() {
    return {
        {QStringLiteral("Command6"), QStringLiteral("座標指示と座標値を全てクリアします")},
        {QStringLiteral("Check5"), QStringLiteral("数値表示の変更(通常 or 指数)")},
        {QStringLiteral("Command4"), QStringLiteral("基本ﾃﾞｰﾀ入力完了(自由修正可)")},
    };
}

} // namespace

Form20::Form20(SharedState& state, Windows& windows, QWidget* parent)
    : QMainWindow(parent), state_(state), windows_(windows), hints_(mainWindowHints()) {
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Tracol_R2.2"));
    windows_.form20 = this;
    windows_.mainWindowLink = this;
    windows_.calibrationPanelLink = this;
    buildMenus();
    buildControls();
    connectControls();
    Text7->setGeometry(kMessageArea);
    Command7->setEnabled(false);
    resize(200, windowHeight());
}

Form20::~Form20() {
    detachChildren(this);
}

void Form20::load() {
    connectAdditionMenus();
    Conditions::setStartValues(state_);
    clearClipboard();
    Option1[0]->setChecked(true);
    for (int line = 1; line <= kLineCount; ++line) {
        state_.LineBox[line].clear();
        emit windows_.lineBoxChanged(line);
    }
    imageWindow().showAtStart();
}

// ---- ConversionView ------------------------------------------------------

AxisKind Form20::axisKind(Axis axis) const {
    const int i = axis == Axis::X ? 0 : 1;
    if (Option2[i]->isChecked())
        return AxisKind::Linear;
    if (Option3[i]->isChecked())
        return AxisKind::Logarithmic;
    return AxisKind::None;
}

void Form20::setSampledText(Axis axis, const QString& text) {
    (axis == Axis::X ? Text8 : Text9)->setText(text);
}

void Form20::setReadoutText(Axis axis, const QString& text) {
    (axis == Axis::X ? Text1 : Text2)->setText(text);
}

void Form20::setDataSetSampledText(Axis axis, const QString& text) {
    windows_.dataSet().setSampledText(axis, text);
}

void Form20::showMessage(const QString& message) {
    // One line at its place; a message that does not fit wraps and the area
    // grows down to hold it all. The help moves the area and lets it scroll:
    // every message puts both back.
    message_->setPlace(kMessageAreaTwips, MessageField::Growth::Down);
    message_->show(message);
}

// ---- Calibration -----------------------------------------------------------

CalibrationInputs Form20::calibrationInputs() const {
    CalibrationInputs inputs;
    for (int box = 1; box <= 4; ++box) {
        inputs.baseChecked[box] = baseBox_[box]->isChecked();
        inputs.baseMarked[box] = isBasePointMarked(state_, box);
    }
    for (int box = 3; box <= 6; ++box)
        inputs.valueText[box] = valueBox_[box]->text();
    inputs.logX = Option3[0]->isChecked();
    inputs.logY = Option3[1]->isChecked();
    return inputs;
}

void Form20::setBaseBoxChecked(int box, bool checked) {
    baseBox_[box]->setChecked(checked);
}

bool Form20::isBaseBoxChecked(int box) const {
    return baseBox_[box]->isChecked();
}

int Form20::checkedBaseBoxCount() const {
    return calibrationInputs().checkedCount();
}

void Form20::runCheckLogInputs() {
    const ReadinessDecision decision = Module20::CheckLogInputs(state_, calibrationInputs());
    if (!decision.message.isEmpty())
        showMessage(decision.message);
    applyReadiness(decision.ready);
}

void Form20::applyReadiness(bool ready) {
    if (!ready) {
        setNotReadyControls();
        return;
    }
    Command4->setEnabled(false);
    Command5->setEnabled(true);
    setBold(Command5, true);
    setTextColour(Label9, kReadyLabel);
    setBackgroundColour(Text8, kReadyXBackground);
    setBackgroundColour(Text9, kReadyYBackground);
    setMidControlsEnabled(true);
    message_->hide();
    doBeep();
}

void Form20::setMidControlsEnabled(bool enabled) {
    for (QWidget* mid : {static_cast<QWidget*>(Check6), static_cast<QWidget*>(Check7),
                         static_cast<QWidget*>(Text10), static_cast<QWidget*>(Text11)})
        mid->setEnabled(enabled);
}

void Form20::setNotReadyControls() {
    Command4->setEnabled(true);
    Command5->setEnabled(false);
    setBold(Command5, false);
    setTextColour(Label9, kNotReadyLabel);
    Check6->setEnabled(false);
    Check7->setEnabled(false);
    state_.ConversionOn = false;
    state_.NotReady = true;
    updateTraceCommand();
}

void Form20::doBeep() {
    beep();
    emit beeped();
}

void Form20::baseBoxClicked(int box) {
    state_.DataOnlyMode = false;
    baseBoxClickedOnce_ = true;
    const bool checked = baseBox_[box]->isChecked();
    const bool origin = box == 1 || box == 3;
    // The origin cannot be removed while both Xmax and Ymax are set.
    if (origin && !checked && baseBox_[2]->isChecked() && baseBox_[4]->isChecked()) {
        baseBox_[box]->setChecked(true);
        return;
    }
    if (origin && checkedBaseBoxCount() == 4)
        return;
    ImageWindowLink& image = imageWindow();
    setPointer(&image.window(), PointerKind::Cross);
    setPointer(this, PointerKind::Arrow);
    // Only one unmarked point waits for a click, and none once a box is
    // given up: an armed box left checked would wait for a click that never
    // marks it. The boxes unchecked here do not pass the rule on, or they
    // would uncheck the box that is being armed.
    if (box != 1 && !givingUpUnmarked_) {
        const QScopedValueRollback guard(givingUpUnmarked_, true);
        for (int other : unmarkedOtherBoxes(state_, box))
            baseBox_[other]->setChecked(false);
    }
    if (checked) {
        state_.MarkMode = static_cast<qint16>(box);
        image.showFloatingLabel(baseCaption(box));
    } else {
        Check6->setChecked(false);
        Check6->setEnabled(false);
        Check7->setChecked(false);
        Check7->setEnabled(false);
        Command4->setEnabled(true);
        Command5->setEnabled(false);
        state_.AutoConfirmDone = false;
        image.hideFloatingLabel();
        state_.MarkMode = 0;
        forgetBasePoint(state_, box);
    }
    if (state_.PrevCheck[box] != 0 && !checked) {
        if (origin)
            baseBox_[box == 1 ? 3 : 1]->setChecked(false);
        if (state_.OpenPurpose == kOpenNothing)
            RedrawBaseMarks();
    }
    state_.PrevCheck[box] = checked ? 1 : 0;
}

void Form20::valueBoxChanged(int box) {
    const QString text = valueBox_[box]->text();
    const double value = numtext::val(text);
    const bool logarithmic = Option3[box <= 4 ? 0 : 1]->isChecked();
    if (value > 0 || !logarithmic) {
        const float stored = static_cast<float>(value);
        switch (box) {
        case 3:
            if (baseBox_[1]->isChecked())
                state_.ValXmin = stored;
            break;
        case 4:
            state_.ValXmax = stored;
            break;
        case 5:
            state_.ValYmin = stored;
            break;
        default:
            state_.ValYmax = stored;
            break;
        }
        Text12->hide();
        message_->hide();
    } else {
        showMessage(calibration_messages::kLogUnsuitable);
        Command4->setEnabled(true);
        Command5->setEnabled(false);
    }
    for (const QChar c : text) {
        if (!numtext::kCalibrationChars.contains(c))
            showMessage(calibration_messages::kBadCharacter);
    }
    runCheckLogInputs();
}

void Form20::valueBoxCommitted(int box) {
    const float value = static_cast<float>(numtext::val(valueBox_[box]->text()));
    float* targets[] = {&state_.ValXmin, &state_.ValXmax, &state_.ValYmin, &state_.ValYmax};
    *targets[box - 3] = value;
}

void Form20::option2Clicked() {
    for (int axis = 0; axis < 2; ++axis) {
        if (!Option2[axis]->isChecked())
            Option3[axis]->setChecked(true);
    }
    runCheckLogInputs();
}

void Form20::option3Clicked(int axis) {
    if (checkedBaseBoxCount() >= 1) {
        const bool positive =
            axis == 0 ? state_.ValXmin > 0 && state_.ValXmax > 0 : state_.ValYmin > 0 && state_.ValYmax > 0;
        if (!positive) {
            // The check runs before the message: a ready window hides its
            // message area, and the refusal must stay readable.
            Option2[axis]->setChecked(true);
            runCheckLogInputs();
            showMessage(axis == 0 ? calibration_messages::kLogXRefused : calibration_messages::kLogYRefused);
            return;
        }
    }
    runCheckLogInputs();
}

void Form20::confirmClicked() {
    const ConfirmationDecision decision = confirmBaseCoordinates(state_, calibrationInputs());
    if (decision.valuesBlue) {
        const QColor colour = *decision.valuesBlue ? kBlue : QColor(Qt::black);
        for (int box = 3; box <= 6; ++box)
            setTextColour(valueBox_[box], colour);
        setTextColour(Text1, colour);
        setTextColour(Text2, colour);
    }
    if (!decision.message.isEmpty())
        showMessage(decision.message);
    if (decision.stoppedAtEmptyValue) {
        Command4->setEnabled(true);
        return;
    }
    if (decision.ready) {
        confirmedOnce_ = true;
        applyReadiness(true);
        Timer2->start();
    } else {
        setNotReadyControls();
    }
}

void Form20::autoConfirmOver(bool baseFrame) {
    const AutoConfirmation result = autoConfirm(
        state_, baseFrame ? CalibrationFrame::Base : CalibrationFrame::Settings,
        [this] { return calibrationInputs(); }, [this] { confirmClicked(); });
    if (result.confirmed) {
        Command4->setEnabled(!*result.confirmed);
        Command5->setEnabled(*result.confirmed);
    }
    Text12->hide();
}

void Form20::midBoxClicked(int axis) {
    QCheckBox* box = axis == 0 ? Check6 : Check7;
    bool& midChecked = axis == 0 ? state_.XmidChecked : state_.YmidChecked;
    qint16& previous = axis == 0 ? state_.PrevCheck6 : state_.PrevCheck7;
    ImageWindowLink& image = imageWindow();
    if (midChecked) {
        image.hideFloatingLabel();
        midChecked = false;
        state_.MidMarkMode = 0;
        (axis == 0 ? state_.PixXmid : state_.PixYmid) = 0;
        if (box->isChecked()) {
            const QSignalBlocker blocker(box);
            box->setChecked(false);
        }
    } else {
        if (!box->isChecked())
            return; // unchecked already: nothing to take back
        const double value = numtext::val((axis == 0 ? Text10 : Text11)->text());
        if (value >= 0 || !Option3[axis]->isChecked()) {
            midChecked = true;
            state_.MidMarkMode = static_cast<qint16>(axis + 1);
            image.showFloatingLabel(axis == 0 ? QStringLiteral("Xmid") : QStringLiteral("Ymid"));
            setPointer(&image.window(), PointerKind::Cross);
        } else {
            showMessage(calibration_messages::kMidOnLogAxis);
            box->setChecked(false);
            return;
        }
    }
    const bool checked = box->isChecked();
    if (previous != 0 && !checked)
        RedrawAllMarks();
    previous = checked ? 1 : 0;
    if (checked)
        state_.SkipNextSample = true;
}

void Form20::RedrawBaseMarks() {
    ImageWindowLink& image = imageWindow();
    image.window().show();
    image.window().setFocus();
    PictureBox& picture = image.pictureBox();
    if (!picture.hasPicture())
        picture.setPicture(cleanPicture().picture());
    picture.clearDrawings();
    state_.XAxisDrawn = state_.YAxisDrawn = false;
    image.setFloatingLabelText(QString());
    image.updateMarkSize();
    const QColor red = ImageWindowLink::kBaseColour;
    const bool c1 = baseBox_[1]->isChecked(), c2 = baseBox_[2]->isChecked();
    const bool c3 = baseBox_[3]->isChecked(), c4 = baseBox_[4]->isChecked();
    // A mark is drawn only where its point is placed; an armed box waits.
    if (c1 && c3 && state_.PixXmin != 0 && state_.PixYmin != 0)
        image.drawMark(state_.PixXmin, state_.PixYmin, red);
    if (c2 && state_.PixXmax != 0)
        image.drawMark(state_.PixXmax, state_.PixYmin, red);
    if (c4 && state_.PixYmax != 0)
        image.drawMark(state_.PixXmin, state_.PixYmax, red);
    if ((c1 && c2) || (c2 && c4)) {
        image.drawXAxisLine();
        state_.XAxisDrawn = true;
    }
    if ((c3 && c4) || (c2 && c4)) {
        image.drawYAxisLine();
        state_.YAxisDrawn = true;
    }
    if (isEnabled()) {
        setPointer(this, PointerKind::Icon);
        setPointer(&image.window(), PointerKind::Icon);
        focusValueBox(4);
    }
}

void Form20::RedrawAllMarks() {
    RedrawBaseMarks();
    state_.PrevCheck6 = Check6->isChecked() ? 1 : 0;
    state_.PrevCheck7 = Check7->isChecked() ? 1 : 0;
    ImageWindowLink& image = imageWindow();
    if (Check6->isChecked() && state_.PixXmid != 0)
        image.drawMark(state_.PixXmid, state_.PixYmin, ImageWindowLink::kMidColour);
    if (Check7->isChecked() && state_.PixYmid != 0)
        image.drawMark(state_.PixXmin, state_.PixYmid, ImageWindowLink::kMidColour);
}

// ---- Services for the image window ----------------------------------------

void Form20::showPosition(qint32 x, qint32 y) {
    Text1->setText(numtext::plainInteger(x));
    Text2->setText(numtext::plainInteger(y));
}

void Form20::copyReadoutToSampled() {
    Text8->setText(Text1->text());
    Text9->setText(Text2->text());
}

QString Form20::sampledText(Axis axis) const {
    return (axis == Axis::X ? Text8 : Text9)->text();
}

void Form20::enableLiveReadout() {
    if (!Timer1->isActive())
        Timer1->start();
}

void Form20::hideHint() {
    Text12->hide();
}

void Form20::focusValueBox(int box) {
    valueBox_[box]->setFocus();
}

void Form20::setWorkPointer(int kind) {
    setPointer(this, static_cast<PointerKind>(kind));
}

void Form20::clearBaseMarks() {
    for (int box = 1; box <= 4; ++box)
        baseBox_[box]->setChecked(false);
    state_.PixXmin = state_.PixXmax = state_.PixYmin = state_.PixYmax = 0;
    state_.XminMarked = state_.XmaxMarked = state_.YminMarked = state_.YmaxMarked = false;
}

void Form20::resetValueColours() {
    for (QWidget* box : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)})
        setTextColour(box, Qt::black);
    for (int box = 3; box <= 6; ++box)
        setTextColour(valueBox_[box], Qt::black);
}

void Form20::displayFormClicked() {
    hintsOff_ = true;
    state_.ExpDisplay = Check5->isChecked();
    const QString x = numtext::redisplaySampledText(Text8->text(), state_.ExpDisplay);
    const QString y = numtext::redisplaySampledText(Text9->text(), state_.ExpDisplay);
    Text8->setText(x);
    Text9->setText(y);
    windows_.dataSet().setSampledText(Axis::X, x);
    windows_.dataSet().setSampledText(Axis::Y, y);
}

void Form20::liveTick() {
    state_.XmidActive = !Text10->text().isEmpty() && state_.XmidChecked;
    state_.YmidActive = !Text11->text().isEmpty() && state_.YmidChecked;
    if (state_.XmidActive || state_.YmidActive) {
        state_.ConversionOn = true;
        state_.ConversionPending = true;
    }
    state_.LiveTick = !state_.LiveTick;
    if (state_.LiveTick) {
        if (!state_.NotReady && state_.BaseConfirmed) {
            // The position under the pointer is the one waiting to be shown.
            state_.ClickX = static_cast<float>(state_.CursorX);
            state_.ClickY = static_cast<float>(state_.CursorY);
            state_.ConversionPending = true;
            Module20::ConvertCursor(state_, *this);
        } else if (!state_.NotReady) {
            showPosition(state_.CursorX, state_.CursorY);
        }
        imageWindow().followCursor();
    }
    state_.CheckedBaseCount = static_cast<qint16>(checkedBaseBoxCount());
    if (state_.CheckedBaseCount != 4)
        state_.NotReady = true;
    else if (state_.ConversionOn && state_.ConversionPending)
        Module20::ConvertCursor(state_, *this);
}

void Form20::followDataSetWindow() {
    QWidget& dataSet = windows_.dataSet().window();
    if ((dataSet.y() - y()) + (dataSet.x() - x()) != 0)
        dataSet.move(pos());
}

void Form20::toggleHelp() {
    if (!helpShown_) {
        Timer2->stop();
        Text7->setGeometry(twipsRect(0, 15, 2700, 7150));
        Text7->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded); // what does not fit scrolls
        QFont font = Text7->font();
        font.setItalic(false);
        Text7->setFont(font);
        Text7->setPlainText(mainWindowHelpText());
        Text7->show();
        Text7->raise();
        helpShown_ = true;
    } else {
        Text7->clear();
        Text7->setGeometry(twipsRect(0, 120, 2505, 285));
        Text7->hide();
        helpShown_ = false;
    }
}

void Form20::messageAreaClicked() {
    message_->hide();
    Text7->setGeometry(kMessageArea);
    QFont font = Text7->font();
    font.setPointSize(9);
    Text7->setFont(font);
    helpShown_ = !helpShown_;
}

void Form20::showHint(const QString& hint, const QWidget* control) {
    if (hintsOff_ || hint.isEmpty())
        return;
    // Next to the control it explains, just below it (above it when there is
    // no room), so that it hides nothing far from the pointer; wrapped to the
    // window's width so that it is read whole.
    QWidget* surface = centralWidget();
    constexpr int kEdge = 2;
    Text12->setText(hint);
    const int frame = 2 * (Text12->frameWidth() + Text12->margin()) + 2;
    const int width =
        qMin(Text12->fontMetrics().horizontalAdvance(hint) + frame, surface->width() - 2 * kEdge);
    const int height = Text12->heightForWidth(width);
    const QRect area(control->mapTo(surface, QPoint(0, 0)), control->size());
    const int left = qBound(kEdge, area.left(), surface->width() - kEdge - width);
    const int below = area.bottom() + 1 + kEdge;
    const int top = below + height <= surface->height() ? below : area.top() - kEdge - height;
    Text12->setGeometry(left, qMax(0, top), width, height);
    Text12->show();
    Text12->raise();
}

bool Form20::confirmationHintDue() const {
    const CalibrationInputs in = calibrationInputs();
    return Command4->isEnabled() && in.checkedCount() == 4 && !in.anyValueEmpty() &&
           state_.ValXmin < state_.ValXmax && state_.ValYmin < state_.ValYmax && !confirmedOnce_;
}

void Form20::backgroundMouseMove() {
    Timer1->stop();
    ImageWindowLink& image = imageWindow();
    image.hideCursorFollowers();
    const PointerKind kind = baseBoxClickedOnce_ ? PointerKind::Icon : PointerKind::Arrow;
    setPointer(this, kind);
    setPointer(&image.window(), kind);
}

void Form20::requestExit() {
    windows_.exitQuestion().ask();
}

// ---- MainWindowLink ------------------------------------------------------------

int Form20::selectedLine() const {
    for (int k = 0; k < kLineCount; ++k)
        if (Option1[k]->isChecked())
            return k + 1;
    return 0;
}

void Form20::selectLine(int line) {
    Option1[line - 1]->setChecked(true);
    updateTraceCommand(); // a data file read from the menu starts sampling
}

void Form20::startLiveReadout() {
    Timer1->start();
}

void Form20::stopLiveReadout() {
    Timer1->stop();
}

void Form20::startFollowingDataSet() {
    Timer4->start();
}

void Form20::enableSamplingButton() {
    Command5->setEnabled(true);
    updateTraceCommand(); // sampling has ended
}

void Form20::takeNewImage() {
    resetValueColours();
    clearBaseMarks();
    resetCalibration(state_);
    setNotReadyControls(); // TRACE off, and a preview goes with it
    // The window disabled itself when it opened the open dialog.
    setEnabled(true);
    show();
}

void Form20::comeBackFromKeyboardEntry() {
    // The first-activation steps run again as the window comes back.
    firstActivationDone_ = false;
    showWindow(this);
}

void Form20::comeBack() {
    showWindow(this);
}

// ---- Events ------------------------------------------------------------------

void Form20::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstActivationDone_)
        return;
    firstActivationDone_ = true;
    resize(width(), windowHeight());
    Option2[0]->setChecked(true);
    Option2[1]->setChecked(true);
    Check6->setChecked(false);
    Check7->setChecked(false);
    setMidControlsEnabled(false);
}

void Form20::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (windows_.dataSet().window().isVisible())
            Timer4->stop();
        else
            Timer4->start();
        Command7->setEnabled(false);
        imageWindow().pictureBox().setDrawWidth(2);
    } else if (event->type() == QEvent::WindowStateChange && isVisible()) {
        // The state changes without showing: a hidden image window stays hidden.
        QWidget& image = imageWindow().window();
        const bool imageNormal = !(image.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
        image.setWindowState(isMinimized() && imageNormal ? Qt::WindowMinimized : Qt::WindowNoState);
        if (QWidget* dataSet = &windows_.dataSet().window(); dataSet->isVisible()) {
            if (dataSet->isMinimized())
                dataSet->showNormal();
            else
                dataSet->showMinimized();
        }
    }
}

void Form20::closeEvent(QCloseEvent* event) {
    event->ignore();
    requestExit();
}

bool Form20::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove) {
        // A move over a control reaches its frame or the background too (the
        // control does not take it); only the frame's or the window's own
        // surface counts, or the hint of Command4 would vanish at once. A
        // disabled control lets the pointer through to what lies beneath.
        const auto* move = static_cast<QMouseEvent*>(event);
        const auto* surface = qobject_cast<QWidget*>(watched);
        const QWidget* child = surface ? surface->childAt(move->position().toPoint()) : nullptr;
        const bool onSurface = surface && (!child || !child->isEnabled());
        if ((watched == Frame1 || watched == Frame2) && onSurface)
            autoConfirmOver(watched == Frame1);
        else if (watched == centralWidget() && onSurface)
            backgroundMouseMove();
        else if (surface && (watched != Command4 || confirmationHintDue()))
            showHint(hints_.hintFor(surface), surface);
        for (int box = 1; box <= 4; ++box) {
            if (watched == baseBox_[box])
                message_->hide();
        }
    } else if (type == QEvent::MouseButtonPress) {
        if (watched == Text7->viewport())
            messageAreaClicked();
        else if (watched == Text12)
            Text12->hide();
        else if (watched == valueBox_[3])
            state_.ValXmin = static_cast<float>(numtext::val(valueBox_[3]->text()));
    } else if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int box = 3; box <= 6; ++box) {
                if (watched == valueBox_[box])
                    valueBox_[box == 6 ? 3 : box + 1]->setFocus();
            }
            if (watched == Text10)
                Text11->setFocus();
            else if (watched == Text11)
                Text10->setFocus();
        }
    } else if (type == QEvent::FocusOut) {
        if (watched == Text10)
            state_.ValXmid = static_cast<float>(numtext::val(Text10->text()));
        else if (watched == Text11)
            state_.ValYmid = static_cast<float>(numtext::val(Text11->text()));
        // A box the user leaves for another control while its point is not
        // marked gives up; focus moved by the program (after a redraw) does not count.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
        for (int box = 1; byUser && box <= 4; ++box) {
            QWidget* next = QApplication::focusWidget();
            if (watched == baseBox_[box] && baseBox_[box]->isChecked() && !isBasePointMarked(state_, box) &&
                next && next != baseBox_[box] && isAncestorOf(next))
                baseBox_[box]->setChecked(false);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tracol
