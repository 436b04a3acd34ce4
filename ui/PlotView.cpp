#include "ui/PlotView.h"

#include "core/SharedState.h"
#include "output/PlotLayout.h"
#include "ui/PlotPainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace tracol {

PlotView::PlotView(QWidget* parent) : QWidget(parent), measure_(plotTextMeasure()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PlotView::setPlotData(const PlotData& plot) {
    if (!plot.usable)
        return false;
    data_ = plot;
    layOut();
    return true;
}

void PlotView::setParametersShown(bool shown) {
    data_.showParameters = shown;
    layOut();
}

void PlotView::setBackground(const PlotColour& colour) {
    background_ = colour;
    scene_.background = colour;
    update();
}

QSizeF PlotView::area() const {
    return QSizeF(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
}

QImage PlotView::renderImage() const {
    return plotImage(scene(), size());
}

const PlotScene& PlotView::scene() const {
    if (scene_.area != area())
        scene_ = laidOut();
    return scene_;
}

PlotScene PlotView::laidOut() const {
    PlotScene scene;
    if (data_.usable)
        scene = layoutPlotScene(data_, area(), PlotTarget::Screen, measure_);
    scene.area = area();
    scene.background = background_;
    return scene;
}

void PlotView::layOut() {
    scene_ = laidOut();
    update();
}

void PlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPlotScene(painter, scene(), QRectF(rect()));
}

void PlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update(); // the scene is laid out again when painted
}

void PlotView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position() * kTwipsPerPixel, event->button() == Qt::LeftButton);
}

} // namespace tracol
