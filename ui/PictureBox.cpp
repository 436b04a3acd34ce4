#include "ui/PictureBox.h"

#include "core/SharedState.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tracol {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(0, 0);
}

void PictureBox::setPicture(const QImage& image) {
    image_ = image;
    drawings_.clear();
    resize(image_.size());
    updateGeometry();
    update();
}

void PictureBox::clearDrawings() {
    drawings_.clear();
    update();
}

QImage PictureBox::drawnPicture() const {
    if (drawings_.empty())
        return image_;
    QImage canvas = image_.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&canvas);
    paintDrawings(painter);
    return canvas;
}

QPointF PictureBox::toTwips(QPointF pixels) {
    return pixels * kTwipsPerPixel;
}

QPointF PictureBox::toPixels(QPointF twips) {
    return twips / kTwipsPerPixel;
}

void PictureBox::drawLine(QPointF from, QPointF to, const QColor& color) {
    draw({false, toPixels(from), toPixels(to), 0, color, drawWidth_});
}

void PictureBox::drawCircle(QPointF centre, double radius, const QColor& color) {
    draw({true, toPixels(centre), {}, radius / kTwipsPerPixel, color, drawWidth_});
}

void PictureBox::draw(const Drawing& drawing) {
    if (image_.isNull())
        return;
    drawings_.push_back(drawing);
    update();
}

void PictureBox::paintDrawings(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const Drawing& drawing : drawings_) {
        painter.setPen(QPen(drawing.colour, drawing.width));
        if (drawing.circle)
            painter.drawEllipse(drawing.from, drawing.radius, drawing.radius);
        else
            painter.drawLine(drawing.from, drawing.to);
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().window());
    if (image_.isNull())
        return;
    // Only the part in view: a scan can be far larger than the window.
    const QRect part = exposed & image_.rect();
    painter.drawImage(part.topLeft(), image_, part);
    paintDrawings(painter);
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
