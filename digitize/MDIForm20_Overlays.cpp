// MDIForm20: what the image window adds to the graph's own steps, each of
// which can be switched off: the zoom of the picture and the markers of the
// Lines' points.

#include "digitize/CalibrationPanel.h"
#include "digitize/LinePointPositions.h"
#include "digitize/MDIForm20.h"
#include "ui/PictureBox.h"

#include <QScrollArea>

#include <algorithm>
#include <array>

namespace tracol {

namespace {

// One colour per Line, readable on white paper and on grey scans alike.
const std::array<QColor, kLineCount> kLineColours = {
    QColor(230, 25, 75),  QColor(0, 130, 200), QColor(60, 180, 75),  QColor(245, 130, 48),
    QColor(145, 30, 180), QColor(0, 150, 150), QColor(240, 50, 230), QColor(128, 128, 0),
    QColor(170, 110, 40), QColor(0, 0, 128)};

// The zooms the wheel steps through.
constexpr std::array<double, 8> kZoomSteps = {0.125, 0.25, 0.5, 1, 2, 3, 4, 8};

} // namespace

void MDIForm20::setZoom(Zoom zoom) {
    zoom_ = zoom;
    switch (zoom) {
    case Zoom::Fit:
        fitZoomToWindow();
        break;
    case Zoom::Actual:
        Picture1->setZoom(1);
        break;
    case Zoom::Double:
        Picture1->setZoom(2);
        break;
    case Zoom::Quadruple:
        Picture1->setZoom(4);
        break;
    }
    layOutPicture();
    followCursor();
}

void MDIForm20::fitZoomToWindow() {
    const QSize image = Picture1->picture().size();
    const QSize room = scroll_->viewport()->size();
    if (image.isEmpty() || room.isEmpty())
        return;
    Picture1->setZoom(std::min(double(room.width()) / image.width(), double(room.height()) / image.height()));
}

void MDIForm20::zoomByWheel(int steps) {
    const double now = Picture1->zoom();
    double next = now;
    if (steps > 0) {
        const auto larger = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), now);
        next = larger == kZoomSteps.end() ? kZoomSteps.back() : *larger;
    } else {
        const auto smaller = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), now);
        next = smaller == kZoomSteps.begin() ? kZoomSteps.front() : *(smaller - 1);
    }
    zoom_ = next == 1 ? Zoom::Actual : next == 2 ? Zoom::Double : next == 4 ? Zoom::Quadruple : zoom_;
    Picture1->setZoom(next);
    layOutPicture();
    followCursor();
}

void MDIForm20::setPointMarkersShown(bool shown) {
    markersShown_ = shown;
    // Marks with a white edge stand out on a black axis; without the
    // additions they are drawn plain.
    Picture1->setDrawingsOutlined(shown);
    refreshPointMarkers();
}

void MDIForm20::refreshPointMarkers() {
    std::vector<PointMarker> markers;
    if (markersShown_) {
        const CalibrationPanel& panel = windows_.calibrationPanel();
        for (const LinePointPosition& point :
             linePointPositions(state_, panel.axisKind(Axis::X), panel.axisKind(Axis::Y)))
            markers.push_back(
                {point.position, kLineColours[point.line - 1], point.line == state_.CurrentLine});
    }
    const std::vector<PointMarker>& shown = Picture1->pointMarkers();
    const bool same = std::equal(markers.begin(), markers.end(), shown.begin(), shown.end(),
                                 [](const PointMarker& a, const PointMarker& b) {
                                     return a.position == b.position && a.colour == b.colour &&
                                            a.emphasised == b.emphasised;
                                 });
    if (!same)
        Picture1->setPointMarkers(std::move(markers));
}

} // namespace tracol
