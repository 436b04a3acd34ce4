#include "digitize/MDIForm20.h"

#include "core/NumericText.h"
#include "data/LineEditing.h"
#include "digitize/CalibrationPanel.h"
#include "digitize/Module20.h"
#include "ui/DetachChildren.h"
#include "ui/LineHistory.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tracol {

namespace {

qint32 rounded(double value) {
    return static_cast<qint32>(numtext::roundHalfEven(value));
}

QFrame* guideLine(QWidget* parent, const QString& name) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, MDIForm20::kGuideColour);
    line->setPalette(palette);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->hide();
    return line;
}

} // namespace

MDIForm20::MDIForm20(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("MDIForm20"));
    setWindowTitle(QStringLiteral("TracolGraph"));
    windows_.mdiForm20 = this;
    windows_.imageWindowLink = this;

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PictureArea"));
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_->setWidgetResizable(false);
    scroll_->viewport()->setMouseTracking(true);
    scroll_->viewport()->installEventFilter(this);
    Picture1 = new PictureBox;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setDrawWidth(2);
    scroll_->setWidget(Picture1);
    tools_ = new QToolBar(this);
    tools_->setObjectName(QStringLiteral("TraceToolBar"));
    tools_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools_);
    layout->addWidget(scroll_);

    Label1 = new QLabel(Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(palette);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->hide();
    Line1 = guideLine(Picture1, QStringLiteral("Line1"));
    Line2 = guideLine(Picture1, QStringLiteral("Line2"));

    connect(Picture1, &PictureBox::mousePressed, this, &MDIForm20::pictureMouseDown);
    connect(Picture1, &PictureBox::mouseMoved, this, &MDIForm20::pictureMouseMove);
    connect(Picture1, &PictureBox::clicked, this, &MDIForm20::pictureClicked);
    connect(Picture1, &PictureBox::doubleClicked, this, &MDIForm20::pictureDoubleClicked);
    connect(&windows_, &Windows::lineBoxChanged, this, &MDIForm20::refreshPointMarkers);
    connect(&windows_, &Windows::linesChanged, this, &MDIForm20::refreshPointMarkers);
    Picture1->installEventFilter(this);
    connect(Picture1, &PictureBox::pointerMovedByKeys, this, [this](QPoint pixel) {
        scroll_->ensureVisible(qRound((pixel.x() + 0.5) * Picture1->zoom()),
                               qRound((pixel.y() + 0.5) * Picture1->zoom()));
    });
    Picture1->setDrawingsOutlined(markersShown_);
    resize(720, 540);
}

MDIForm20::~MDIForm20() {
    detachChildren(this);
}

// ---- Floating label and guide lines -----------------------------------------

void MDIForm20::showFloatingLabel(const QString& caption) {
    setFloatingLabelText(caption);
    Label1->show();
    Label1->raise();
}

void MDIForm20::hideFloatingLabel() {
    setFloatingLabelText(QString());
    Label1->hide();
}

void MDIForm20::setFloatingLabelText(const QString& caption) {
    Label1->setText(caption);
    Label1->adjustSize();
}

void MDIForm20::hideCursorFollowers() {
    Label1->hide();
    Line1->hide();
    Line2->hide();
}

void MDIForm20::followCursor() {
    // The label keeps its offset on the screen; the pointer's place is
    // scaled with the picture's zoom.
    const QPoint at = Picture1->twipsToWidget(QPointF(state_.CursorX, state_.CursorY)).toPoint();
    const int h = Label1->height();
    Label1->move(at.x() + qRound(1.05 * h), at.y() - qRound(1.2 * h));
    const int length = width();
    Line1->setGeometry(at.x(), at.y() - length, 1, 2 * length);
    Line2->setGeometry(at.x() - length, at.y(), 2 * length, 1);
    refreshPointMarkers(); // the calibration or the Line may have changed meanwhile
}

// ---- Marks --------------------------------------------------------------------

void MDIForm20::updateMarkSize() {
    state_.MarkSize = static_cast<float>(QFontMetrics(QApplication::font()).height() * kTwipsPerPixel);
    state_.MarkArm = 0.3f * state_.MarkSize;
}

void MDIForm20::drawMark(double x, double y, const QColor& colour) {
    if (state_.MarkSize <= 0)
        updateMarkSize();
    const double arm = state_.MarkArm;
    Picture1->drawCircle({x, y}, 0.12 * state_.MarkSize, colour);
    Picture1->drawLine({x - arm, y}, {x + arm, y}, colour);
    Picture1->drawLine({x, y - arm}, {x, y + arm}, colour);
}

void MDIForm20::drawXAxisLine() {
    Picture1->drawLine({state_.PixXmin, state_.PixYmin}, {state_.PixXmax, state_.PixYmin}, kBaseColour);
}

void MDIForm20::drawYAxisLine() {
    Picture1->drawLine({state_.PixXmin, state_.PixYmin}, {state_.PixXmin, state_.PixYmax}, kBaseColour);
}

void MDIForm20::layOutPicture() {
    if (zoom_ == Zoom::Fit)
        fitZoomToWindow();
    Picture1->resize(Picture1->sizeHint());
}

void MDIForm20::showImage(const QImage& image, const QString& caption) {
    Picture1->setPicture(image);
    layOutPicture();
    setWindowTitle(caption);
    show();
    setEnabled(true);
}

// ---- MarkingView ----------------------------------------------------------------

void MDIForm20::checkBaseBox(int box) {
    panel().setBaseBoxChecked(box, true);
}

void MDIForm20::drawBaseMark(double x, double y) {
    drawMark(x, y, kBaseColour);
}

void MDIForm20::showPosition(qint32 x, qint32 y) {
    panel().showPosition(x, y);
}

void MDIForm20::showMessage(const QString& message) {
    panel().showMessage(message);
}

// ---- Mouse on the picture ---------------------------------------------------------

void MDIForm20::showTraceCommand(QAction& command) {
    traceCommand_ = &command;
    tools_->addAction(&command);
    tools_->show();
}

void MDIForm20::pictureMouseDown(QPointF position) {
    // TRACE on: this click traces the curve under it instead of sampling,
    // and the command goes off (one click, one curve). A mid-point mark the
    // user has asked for takes the click first.
    if (traceCommand_ && traceCommand_->isEnabled() && traceCommand_->isChecked() &&
        state_.MidMarkMode == 0) {
        traceCommand_->setChecked(false);
        windows_.tracePreview().traceAt(position);
        return;
    }
    CalibrationPanel* main = &panel();
    const double x = position.x(), y = position.y();
    SharedState& s = state_;
    if (!s.NotReady && s.BaseConfirmed)
        main->copyReadoutToSampled();
    setPointer(this, PointerKind::Cross);
    bool accepted = true;
    if (s.ConversionOn) {
        s.ClickX = static_cast<float>(x);
        s.ClickY = static_cast<float>(y);
        s.ConversionPending = true;
    }
    if (s.XmidChecked || s.YmidChecked) {
        if (s.MidMarkMode == 1 && s.PixXmid == 0) {
            s.PixXmid = static_cast<float>(x);
            s.CursorX = rounded(x);
            s.CursorY = rounded(s.PixYmin);
            drawMark(s.CursorX, s.CursorY, kMidColour);
            hideFloatingLabel();
        }
        if (s.MidMarkMode == 2 && s.PixYmid == 0) {
            s.PixYmid = static_cast<float>(y);
            s.CursorY = rounded(y);
            s.CursorX = rounded(s.PixXmin);
            drawMark(s.CursorX, s.CursorY, kMidColour);
            hideFloatingLabel();
        }
        if (s.ConversionOn && !s.NotReady && !s.BaseConfirmed)
            main->showPosition(s.CursorX, s.CursorY);
        if (s.SamplingActive && !s.SkipNextSample)
            accepted = samplingStep(false);
        else
            s.SkipNextSample = false;
    } else {
        if (s.MarkMode >= 1 && s.MarkMode <= 4) {
            const MarkFocus focus = markBasePoint(s, s.MarkMode, x, y, *this);
            accepted = focus != MarkFocus::None;
            if (accepted) {
                main->setWorkPointer(static_cast<int>(PointerKind::Icon));
                setPointer(this, PointerKind::Icon);
                main->focusValueBox(focus == MarkFocus::Text3 ? 3 : 4);
                hideFloatingLabel();
            }
        }
        accepted = samplingStep(true) && accepted;
    }
    // An accepted click is acknowledged (the check beeps when the calibration
    // is ready); a refused one keeps its message in view.
    if (accepted && main->calibrationInputs().allPassLogTest())
        main->runCheckLogInputs();
}

bool MDIForm20::samplingStep(bool resetMarkMode) {
    SharedState& s = state_;
    CalibrationPanel* main = &panel();
    if (!s.SamplingActive || s.SkipNextSample) {
        s.SkipNextSample = false;
        s.MarkMode = 0;
        return true;
    }
    // A click that cannot be converted adds no point: it would only repeat
    // the values of the click before.
    s.CheckedBaseCount = static_cast<qint16>(main->checkedBaseBoxCount());
    const Module20::ConversionResult result = Module20::ConvertClick(s, *main);
    if (result != Module20::ConversionResult::Converted) {
        if (result == Module20::ConversionResult::NotConverted)
            main->showMessage(Module20::kConversionErrorMessage);
        if (resetMarkMode)
            s.MarkMode = 0;
        return false;
    }
    const int line = s.CurrentLine;
    const LinesSnapshot before = LinesSnapshot::of(s);
    appendSampledPoint(s, line, main->sampledText(Axis::X), main->sampledText(Axis::Y));
    windows_.dataSet().showPointCount(line);
    emit windows_.lineBoxChanged(line);
    windows_.lineHistory().record(LineHistory::Kind::SampledPoint, before);
    if (resetMarkMode)
        s.MarkMode = 0;
    return true;
}

void MDIForm20::pictureMouseMove(QPointF position) {
    panel().enableLiveReadout();
    panel().hideHint();
    state_.CursorX = rounded(position.x());
    state_.CursorY = rounded(position.y());
    MagnifierLink& magnifier = windows_.magnifier();
    if (magnifier.isActive())
        magnifier.followPointer(Picture1->pointerPixel());
    if (Line1->isHidden()) {
        setPointer(this, PointerKind::Cross);
        Label1->show();
        Line1->show();
        Line2->show();
    }
}

void MDIForm20::pictureClicked() {
    setPointer(this, PointerKind::Cross);
    panel().hideHint();
    panel().enableLiveReadout();
    Picture1->setFocus(); // the arrow keys move the pointer over the picture
}

void MDIForm20::pictureDoubleClicked() {
    if (state_.ConversionOn || panel().checkedBaseBoxCount() >= 4)
        return;
    panel().clearBaseMarks();
    if (const PictureBox& clean = windows_.cleanImage().cleanPicture(); clean.hasPicture())
        Picture1->setPicture(clean.picture());
    Picture1->clearDrawings();
    setFloatingLabelText(QString());
}

// ---- Window -------------------------------------------------------------------------

void MDIForm20::placeMainWindows() {
    const QRect frame = frameGeometry();
    const QPoint corner(frame.x() + frame.width(), frame.y());
    QWidget& main = windows_.mainWindow().window();
    main.move(corner);
    windows_.dataSet().window().move(corner);
    if (!isMinimized() && !isMaximized() && main.isMinimized())
        main.showNormal();
}

void MDIForm20::showAtStart() {
    // Side by side, everything in view: room for the main window's width at
    // the right, a graph of 800 x 600 pixels shown whole where that room
    // allows (an estimate of the desktop's frames kept aside).
    constexpr QSize kPageGraph(800, 600);
    constexpr QSize kFrameAllowance(16, 40);
    const QRect free = screen()->availableGeometry();
    const QWidget& main = windows_.mainWindow().window();
    const int border = 2 * scroll_->frameWidth();
    const int toolbar = tools_->isHidden() ? 0 : tools_->sizeHint().height();
    const QSize wanted = kPageGraph + QSize(border, border + toolbar);
    const QSize room(free.width() - main.width() - 2 * kFrameAllowance.width(),
                     free.height() - kFrameAllowance.height());
    resize(wanted.boundedTo(room).expandedTo(QSize(320, 240)));
    move(free.topLeft());
    show();
    // Until the desktop has put its frame round this window, its frame's
    // size is not known: the main windows follow once it is.
    placedWithoutFrame_ = frameGeometry() == geometry();
    placeMainWindows();
}

void MDIForm20::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (placedWithoutFrame_ && frameGeometry() != geometry()) {
        placedWithoutFrame_ = false;
        placeMainWindows();
    }
}

void MDIForm20::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutPicture();
    setPointer(this, PointerKind::Cross);
    placeMainWindows();
}

void MDIForm20::closeEvent(QCloseEvent* event) {
    event->ignore();
    windows_.mainWindow().requestExit();
}

bool MDIForm20::eventFilter(QObject* watched, QEvent* event) {
    // The wheel with Ctrl: the magnifier's enlargement while it is on, else the zoom.
    if (event->type() == QEvent::Wheel && (watched == Picture1 || watched == scroll_->viewport())) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int steps = wheel->angleDelta().y() > 0 ? 1 : -1;
            MagnifierLink& magnifier = windows_.magnifier();
            if (magnifier.isActive())
                magnifier.changeEnlargement(steps);
            else
                zoomByWheel(steps);
            return true;
        }
    }
    if (watched == scroll_->viewport() && event->type() == QEvent::MouseMove) {
        Line1->hide();
        Line2->hide();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tracol
