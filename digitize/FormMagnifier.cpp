#include "digitize/FormMagnifier.h"

#include "ui/PictureBox.h"

#include <QCloseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace tracol {

namespace {

constexpr int kSide = 240; // pixels of the pane

} // namespace

FormMagnifier::FormMagnifier(Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), windows_(windows) {
    setObjectName(QStringLiteral("FormMagnifier"));
    setWindowTitle(QStringLiteral("拡大表示"));
    setFixedSize(kSide, kSide);
    // The pane goes with the menu item MAGNIFIER, not with its frame.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    windows_.formMagnifier = this;
    windows_.magnifierLink = this;
}

void FormMagnifier::setActive(bool active) {
    active_ = active;
    if (active) {
        placeBesideImageWindow();
        show();
        update();
    } else {
        hide();
    }
}

void FormMagnifier::placeBesideImageWindow() {
    // Under the main window, which stands at the image window's right edge.
    const QWidget& main = windows_.mainWindow().window();
    move(main.frameGeometry().bottomLeft() + QPoint(0, 4));
}

void FormMagnifier::followPointer(QPoint pixel) {
    if (pixel == pixel_)
        return;
    pixel_ = pixel;
    if (active_)
        update();
}

void FormMagnifier::changeEnlargement(int steps) {
    enlargement_ = std::clamp(enlargement_ + steps, kMinEnlargement, kMaxEnlargement);
    setWindowTitle(QStringLiteral("拡大表示 %1倍").arg(enlargement_));
    update();
}

void FormMagnifier::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PictureBox& picture = windows_.imageWindow().pictureBox();
    // The middle of the pixel a click would take sits in the middle of the pane.
    const QPointF centre = QPointF(pixel_) + QPointF(0.5, 0.5);
    picture.paintMagnified(painter, rect(), centre, enlargement_);
    // The cross-hair frames that pixel, with lines out to the edges.
    const QRectF cell(QPointF(rect().center()) - QPointF(enlargement_, enlargement_) / 2.0,
                      QSizeF(enlargement_, enlargement_));
    painter.setPen(QPen(QColor(255, 0, 0, 200), 1));
    painter.drawRect(cell.adjusted(-1, -1, 1, 1));
    painter.drawLine(QPointF(0, cell.center().y()), QPointF(cell.left() - 2, cell.center().y()));
    painter.drawLine(QPointF(cell.right() + 2, cell.center().y()), QPointF(width(), cell.center().y()));
    painter.drawLine(QPointF(cell.center().x(), 0), QPointF(cell.center().x(), cell.top() - 2));
    painter.drawLine(QPointF(cell.center().x(), cell.bottom() + 2), QPointF(cell.center().x(), height()));
}

void FormMagnifier::wheelEvent(QWheelEvent* event) {
    changeEnlargement(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
}

void FormMagnifier::closeEvent(QCloseEvent* event) {
    // The menu item MAGNIFIER switches the pane off.
    event->ignore();
}

} // namespace tracol
