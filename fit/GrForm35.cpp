#include "fit/GrForm35.h"

#include "fit/Module1.h"
#include "ui/ControlFactory.h"
#include "ui/Timers.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace tracol {

namespace {

constexpr int kWidth = 4200, kHeight = 1260; // twips
constexpr int kBelowScreenTop = 1200;

} // namespace

GrForm35::GrForm35(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("GrForm35"));
    setWindowTitle(QStringLiteral("計算状況目安"));
    windows_.grForm35 = this;
    windows_.progressLink = this;
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    Label1 = makeLabel(this, QStringLiteral("Label1"), QString(), 120, 120, kWidth - 240, 360);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("中止"), kWidth / 2 - 600, 600,
                          1200, 450);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1300);
    connect(Timer1, &QTimer::timeout, this, &GrForm35::updateBar);
    connect(Command1, &QPushButton::clicked, this, &GrForm35::abort);
}

void GrForm35::start(QWidget& screen) {
    Label1->clear();
    const QRect frame = screen.frameGeometry();
    move(frame.x() + (frame.width() - width()) / 2, frame.y() + twipsToPixels(kBelowScreenTop));
    show();
    raise();
    Timer1->start();
}

void GrForm35::stop() {
    Timer1->stop();
    hide();
}

void GrForm35::updateBar() {
    Label1->setText(QString(Module1::progressBarLength(state_.FitCount, state_.WorkEstimate), u'*'));
}

void GrForm35::abort() {
    state_.AbortRequested = true;
    stop();
    windows_.computation().computationAborted();
}

void GrForm35::closeEvent(QCloseEvent* event) {
    // The window stays while the computation runs; closing it is "中止".
    event->ignore();
    abort();
}

} // namespace tracol
