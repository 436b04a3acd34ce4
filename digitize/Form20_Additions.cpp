// Form20: the main window's commands beyond the graph's own steps, each of
// which can be left alone so that the windows behave as before: a page of a
// PDF file as the image, undo and redo of the Lines, the markers of the
// Lines' points, the magnifier and the zoom of the picture, and the tracing
// of a curve from one click.

#include "digitize/Form20.h"

#include "ui/LineHistory.h"
#include "ui/Twips.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

namespace tracol {

namespace {

QAction* addition(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

void Form20::buildAdditionMenus(QMenu* fileMenu) {
    // Next to the image file: the open dialog for a PDF file, then its page.
    PDFOPEN = new QAction(QStringLiteral("PDFページの呼込み"), fileMenu);
    PDFOPEN->setObjectName(QStringLiteral("PDFOPEN"));
    fileMenu->insertAction(PAST, PDFOPEN);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    UNDO = addition(edit, QStringLiteral("UNDO"), QStringLiteral("元に戻す"));
    UNDO->setShortcut(QKeySequence::Undo);
    REDO = addition(edit, QStringLiteral("REDO"), QStringLiteral("やり直し"));
    REDO->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    POINTMARKS = addition(view, QStringLiteral("POINTMARKS"), QStringLiteral("採取点の表示"));
    POINTMARKS->setCheckable(true);
    POINTMARKS->setChecked(true);
    MAGNIFIER = addition(view, QStringLiteral("MAGNIFIER"), QStringLiteral("拡大表示"));
    MAGNIFIER->setCheckable(true);
    view->addSeparator();
    ZOOMFIT = addition(view, QStringLiteral("ZOOMFIT"), QStringLiteral("ウィンドウに合わせる"));
    ZOOM1 = addition(view, QStringLiteral("ZOOM1"), QStringLiteral("等倍 (1:1)"));
    ZOOM2 = addition(view, QStringLiteral("ZOOM2"), QStringLiteral("２倍"));
    ZOOM4 = addition(view, QStringLiteral("ZOOM4"), QStringLiteral("４倍"));

    // With the other changes of the Lines: the menu bar has no room for more.
    edit->addSeparator();
    TRACE = addition(edit, QStringLiteral("TRACE"), QStringLiteral("曲線自動追跡"));
    TRACE->setCheckable(true);
    TRACE->setEnabled(false);
    TRACE->setToolTip(QStringLiteral("曲線を1回クリックすると、その曲線を自動で追跡して点を採取します"));
    traceTools_ = addToolBar(QStringLiteral("曲線自動追跡"));
    traceTools_->setObjectName(QStringLiteral("TraceToolBar"));
    traceTools_->setMovable(false);
    traceTools_->addAction(TRACE);
}

int Form20::windowHeight() const {
    // The toolbar takes its height above the controls, not from them.
    return twipsToPixels(7875) + (traceTools_ ? traceTools_->sizeHint().height() : 0);
}

void Form20::updateTraceCommand() {
    if (!TRACE)
        return;
    const bool possible = state_.SamplingActive && state_.ConversionOn && !state_.NotReady;
    TRACE->setEnabled(possible);
    if (!possible) {
        TRACE->setChecked(false);
        // A preview left open would offer points that can no longer be added.
        windows_.tracePreview().cancelTrace();
    }
}

void Form20::openPdfFile() {
    openImageDialog(kOpenPdf);
}

void Form20::connectAdditionMenus() {
    connect(PDFOPEN, &QAction::triggered, this, &Form20::openPdfFile);

    LineHistory& history = windows_.lineHistory();
    connect(UNDO, &QAction::triggered, &history, &LineHistory::undo);
    connect(REDO, &QAction::triggered, &history, &LineHistory::redo);
    const auto showAvailability = [this, &history] {
        UNDO->setEnabled(history.canUndo());
        REDO->setEnabled(history.canRedo());
    };
    showAvailability();
    connect(&history, &LineHistory::availabilityChanged, this, showAvailability);

    connect(POINTMARKS, &QAction::toggled, this, [this](bool on) { imageWindow().setPointMarkersShown(on); });
    connect(MAGNIFIER, &QAction::toggled, this, [this](bool on) { windows_.magnifier().setActive(on); });
    using Zoom = ImageWindowLink::Zoom;
    connect(ZOOMFIT, &QAction::triggered, this, [this] { imageWindow().setZoom(Zoom::Fit); });
    connect(ZOOM1, &QAction::triggered, this, [this] { imageWindow().setZoom(Zoom::Actual); });
    connect(ZOOM2, &QAction::triggered, this, [this] { imageWindow().setZoom(Zoom::Double); });
    connect(ZOOM4, &QAction::triggered, this, [this] { imageWindow().setZoom(Zoom::Quadruple); });
    imageWindow().showTraceCommand(*TRACE);
    updateTraceCommand();
}

} // namespace tracol
