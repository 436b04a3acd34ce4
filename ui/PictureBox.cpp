#include "ui/PictureBox.h"

#include "core/SharedState.h"

#include <QMouseEvent>
#include <QPainter>

namespace tracol {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(0, 0);
}

void PictureBox::setPicture(const QImage& image) {
    image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    canvas_ = image_;
    resize(image_.size());
    updateGeometry();
    update();
}

void PictureBox::clearDrawings() {
    canvas_ = image_;
    update();
}

QPointF PictureBox::toTwips(QPointF pixels) {
    return pixels * kTwipsPerPixel;
}

QPointF PictureBox::toPixels(QPointF twips) {
    return twips / kTwipsPerPixel;
}

void PictureBox::drawLine(QPointF from, QPointF to, const QColor& color) {
    if (canvas_.isNull())
        return;
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, drawWidth_));
    painter.drawLine(toPixels(from), toPixels(to));
    update();
}

void PictureBox::drawCircle(QPointF centre, double radius, const QColor& color) {
    if (canvas_.isNull())
        return;
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, drawWidth_));
    const double r = radius / kTwipsPerPixel;
    painter.drawEllipse(toPixels(centre), r, r);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!canvas_.isNull())
        painter.drawImage(0, 0, canvas_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    emit mousePressed(toTwips(event->position()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(toTwips(event->position()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

QSize PictureBox::sizeHint() const {
    return image_.isNull() ? QSize(0, 0) : image_.size();
}

} // namespace tracol
