#include "ui/PictureBox.h"

#include "core/SharedState.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tracol {

namespace {

constexpr double kMarkerRadius = 3.5;           // screen pixels
constexpr double kEmphasisedMarkerRadius = 5.0; // the Line that receives points
constexpr int kOutlineWidth = 2;                // extra width of the white edge

// A decoder may give an indexed image whose pixels name colours its table
// lacks (a damaged run-length BMP does). Painting reads the table at every
// index, so the table is completed, the missing colours black as the
// toolkit's own conversions make them.
QImage withEveryIndexColoured(const QImage& image) {
    const int indices = image.format() == QImage::Format_Indexed8 ? 256 : image.depth() == 1 ? 2 : 0;
    if (indices == 0 || image.colorCount() >= indices)
        return image;
    QList<QRgb> colours = image.colorTable();
    colours.resize(indices, qRgb(0, 0, 0));
    QImage completed = image;
    completed.setColorTable(colours);
    return completed;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(0, 0);
}

void PictureBox::setPicture(const QImage& image) {
    image_ = withEveryIndexColoured(image);
    drawings_.clear();
    tracePath_.clear();
    tracePoints_.clear();
    resize(sizeHint());
    updateGeometry();
    update();
}

void PictureBox::clearDrawings() {
    drawings_.clear();
    update();
}

void PictureBox::setDrawingsOutlined(bool outlined) {
    outlined_ = outlined;
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

QPointF PictureBox::widgetToTwips(QPointF widget) const {
    // At 1:1 the position as the pointer gives it; zoomed, the image pixel
    // under it, so that a click takes the same position at every zoom.
    if (zoom_ == 1)
        return toTwips(widget);
    return pixelTwips(pixelAt(widget));
}

QPointF PictureBox::twipsToWidget(QPointF twips) const {
    return toPixels(twips) * zoom_;
}

QPoint PictureBox::pixelAt(QPointF widget) const {
    return {static_cast<int>(std::floor(widget.x() / zoom_)),
            static_cast<int>(std::floor(widget.y() / zoom_))};
}

QPointF PictureBox::pixelTwips(QPoint pixel) const {
    return toTwips(QPointF(pixel));
}

void PictureBox::setZoom(double zoom) {
    if (!(zoom > 0) || zoom == zoom_)
        return;
    zoom_ = zoom;
    resize(sizeHint());
    updateGeometry();
    update();
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

void PictureBox::setPointMarkers(std::vector<PointMarker> markers) {
    markers_ = std::move(markers);
    update();
}

void PictureBox::setTracePreview(std::vector<QPointF> path, std::vector<QPointF> points,
                                 const QColor& colour) {
    tracePath_ = std::move(path);
    tracePoints_ = std::move(points);
    traceColour_ = colour;
    update();
}

void PictureBox::clearTracePreview() {
    tracePath_.clear();
    tracePoints_.clear();
    update();
}

void PictureBox::paintDrawings(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const auto paintAll = [&](bool outline) {
        for (const Drawing& drawing : drawings_) {
            QPen pen(outline ? QColor(Qt::white) : drawing.colour,
                     drawing.width + (outline ? kOutlineWidth : 0));
            pen.setCosmetic(true);
            painter.setPen(pen);
            if (drawing.circle)
                painter.drawEllipse(drawing.from, drawing.radius, drawing.radius);
            else
                painter.drawLine(drawing.from, drawing.to);
        }
    };
    if (outlined_)
        paintAll(true);
    paintAll(false);
}

// Markers and the preview keep their size on the screen: they are painted
// in widget pixels, at positions scaled from the image's.
void PictureBox::paintOverlays(QPainter& painter, double scale) const {
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PointMarker& marker : markers_) {
        const QPointF at = toPixels(marker.position) * scale;
        const double radius = marker.emphasised ? kEmphasisedMarkerRadius : kMarkerRadius;
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(marker.colour);
        painter.drawEllipse(at, radius, radius);
    }
    if (tracePath_.size() > 1) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 4));
        std::vector<QPointF> scaled;
        scaled.reserve(tracePath_.size());
        for (const QPointF& p : tracePath_)
            scaled.push_back(p * scale);
        painter.drawPolyline(scaled.data(), static_cast<int>(scaled.size()));
        painter.setPen(QPen(traceColour_, 2, Qt::DashLine));
        painter.drawPolyline(scaled.data(), static_cast<int>(scaled.size()));
    }
    for (const QPointF& p : tracePoints_) {
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(traceColour_);
        painter.drawRect(QRectF(p * scale - QPointF(3, 3), QSizeF(6, 6)));
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().window());
    if (image_.isNull())
        return;
    // Only the part in view: a scan can be far larger than the window.
    const QRectF inImage(QPointF(exposed.topLeft()) / zoom_, QSizeF(exposed.size()) / zoom_);
    const QRect part = inImage.toAlignedRect() & image_.rect();
    painter.save();
    painter.scale(zoom_, zoom_);
    painter.drawImage(part.topLeft(), image_, part);
    paintDrawings(painter);
    painter.restore();
    paintOverlays(painter, zoom_);
}

void PictureBox::paintMagnified(QPainter& painter, const QRect& target, QPointF centre, double scale) const {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, palette().window());
    painter.translate(QPointF(target.center()) - centre * scale);
    painter.save();
    painter.scale(scale, scale);
    const QRectF visible(centre - QPointF(target.width(), target.height()) / (2 * scale),
                         QSizeF(target.size()) / scale);
    const QRect part = visible.toAlignedRect().adjusted(-1, -1, 1, 1) & image_.rect();
    if (!image_.isNull())
        painter.drawImage(part.topLeft(), image_, part);
    paintDrawings(painter);
    painter.restore();
    paintOverlays(painter, scale);
    painter.restore();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    pointerPixel_ = pixelAt(event->position());
    emit mousePressed(widgetToTwips(event->position()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    pointerPixel_ = pixelAt(event->position());
    emit mouseMoved(widgetToTwips(event->position()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A click where the pointer is.
        emit mousePressed(pixelTwips(pointerPixel_));
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (image_.isNull())
        return;
    pointerPixel_ = QPoint(std::clamp(pointerPixel_.x() + move.x(), 0, image_.width() - 1),
                           std::clamp(pointerPixel_.y() + move.y(), 0, image_.height() - 1));
    // The screen's pointer goes along, to the middle of the pixel.
    const QPointF widget = (QPointF(pointerPixel_) + QPointF(0.5, 0.5)) * zoom_;
    QCursor::setPos(mapToGlobal(widget.toPoint()));
    emit mouseMoved(pixelTwips(pointerPixel_));
    emit pointerMovedByKeys(pointerPixel_);
}

QSize PictureBox::sizeHint() const {
    if (image_.isNull())
        return {0, 0};
    return QSize(qCeil(image_.width() * zoom_), qCeil(image_.height() * zoom_));
}

} // namespace tracol
