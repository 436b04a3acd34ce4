#include "ui/PlotPainter.h"

#include "output/PlotLayout.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QPaintDevice>
#include <QPen>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace tracol {

namespace {

constexpr double kTwipsPerPoint = 20;

QColor qColour(const PlotColour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// A pen of `width` device pixels, whatever the painter's scale.
QPen devicePen(const PlotColour& colour, int width) {
    QPen pen(qColour(colour));
    pen.setCosmetic(true);
    pen.setWidth(width);
    return pen;
}

// Raster devices (widgets, images, pixmaps) get the pixel shortcuts below;
// printers and PDF pages get true vector shapes.
bool isRasterDevice(const QPainter& painter) {
    const int type = painter.device() ? painter.device()->devType() : 0;
    return type == QInternal::Image || type == QInternal::Pixmap || type == QInternal::Widget;
}

// Grid and frame lines run along the axes: on a raster device they are
// filled as whole-pixel rectangles, which keeps them crisp and costs a
// fraction of a stroked line. Any other segment, and every segment on a
// printer, is stroked.
void paintSegments(QPainter& painter, const std::vector<PlotSegment>& segments) {
    const bool raster = isRasterDevice(painter);
    const QTransform toDevice = painter.worldTransform();
    painter.save();
    painter.resetTransform();
    for (const PlotSegment& segment : segments) {
        const QPointF from = toDevice.map(segment.from);
        const QPointF to = toDevice.map(segment.to);
        const QColor colour = qColour(segment.colour);
        const int width = std::max(1, segment.width);
        if (raster && (from.x() == to.x() || from.y() == to.y())) {
            const int left = qFloor(std::min(from.x(), to.x()));
            const int top = qFloor(std::min(from.y(), to.y()));
            const int right = from.x() == to.x() ? left + width - 1 : qFloor(std::max(from.x(), to.x()));
            const int bottom = from.y() == to.y() ? top + width - 1 : qFloor(std::max(from.y(), to.y()));
            painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), colour);
        } else {
            painter.setPen(devicePen(segment.colour, width));
            painter.drawLine(QLineF(from, to));
        }
    }
    painter.restore();
}

void paintText(QPainter& painter, const PlotText& text) {
    if (text.text.isEmpty())
        return;
    const QFont font = plotQFont(text.font);
    painter.setFont(font);
    painter.setPen(qColour(text.colour));
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(text.topLeft.x(), text.topLeft.y() + metrics.ascent()), text.text);
}

// An antialiased circle drawn once into a small image with its centre in the
// middle of a pixel.
QImage circleSprite(double radius, const QColor& colour) {
    const int side = 2 * qCeil(radius + 1) + 1;
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(colour);
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), radius, radius);
    return sprite;
}

// The data circles. On a raster device every circle of one size and colour
// is a copy of one sprite, placed to the nearest pixel (a thousand stroked
// ellipses cost several times as much); elsewhere they are stroked ellipses.
void paintCircles(QPainter& painter, const std::vector<PlotCircle>& circles) {
    if (circles.empty())
        return;
    if (!isRasterDevice(painter)) {
        painter.setBrush(Qt::NoBrush);
        for (const PlotCircle& circle : circles) {
            painter.setPen(devicePen(circle.colour, 1));
            painter.drawEllipse(circle.centre, circle.radius, circle.radius);
        }
        return;
    }
    const QTransform toDevice = painter.worldTransform();
    painter.save();
    painter.resetTransform();
    QImage sprite;
    double spriteRadius = -1;
    PlotColour spriteColour;
    for (const PlotCircle& circle : circles) {
        const double radius = circle.radius * toDevice.m11();
        if (radius != spriteRadius || circle.colour != spriteColour) {
            sprite = circleSprite(radius, qColour(circle.colour));
            spriteRadius = radius;
            spriteColour = circle.colour;
        }
        const QPointF centre = toDevice.map(circle.centre);
        const int half = sprite.width() / 2;
        painter.drawImage(QPoint(qFloor(centre.x()) - half, qFloor(centre.y()) - half), sprite);
    }
    painter.restore();
}

// The curve's points in device pixels without the points that lie within a
// tenth of a pixel of the line joining their kept neighbours: invisible,
// and a smooth curve of 300 points then strokes a few dozen segments.
std::vector<QPointF> simplifiedCurve(const std::vector<QPointF>& points, const QTransform& toDevice) {
    constexpr double kTolerance = 0.1;
    constexpr size_t kLongestRun = 24; // bounds the check of the points left out
    std::vector<QPointF> device;
    device.reserve(points.size());
    for (const QPointF& p : points)
        device.push_back(toDevice.map(p));
    if (device.size() < 3)
        return device;
    std::vector<QPointF> kept{device.front()};
    size_t anchor = 0;
    for (size_t i = 2; i < device.size(); ++i) {
        const QPointF a = device[anchor];
        const QPointF d = device[i] - a;
        const double length = std::hypot(d.x(), d.y());
        bool straight = i - anchor <= kLongestRun;
        for (size_t j = anchor + 1; straight && j < i; ++j) {
            const QPointF e = device[j] - a;
            const double offset =
                length > 0 ? std::fabs(d.x() * e.y() - d.y() * e.x()) / length : std::hypot(e.x(), e.y());
            straight = offset <= kTolerance;
        }
        if (!straight) {
            anchor = i - 1;
            kept.push_back(device[anchor]);
        }
    }
    kept.push_back(device.back());
    return kept;
}

void paintCurves(QPainter& painter, const std::vector<PlotPolyline>& curves) {
    const QTransform toDevice = painter.worldTransform();
    painter.save();
    painter.resetTransform();
    for (const PlotPolyline& curve : curves) {
        const std::vector<QPointF> points = simplifiedCurve(curve.points, toDevice);
        painter.setPen(devicePen(curve.colour, curve.width));
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    painter.restore();
}

} // namespace

QString installedPlotFamily(const QString& family) {
    if (family != kPlotFontFamily)
        return family;
    static const QString installed = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& candidate :
             {QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP")})
            if (families.contains(candidate))
                return candidate;
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    return installed;
}

QFont plotQFont(const PlotFont& font) {
    QFont qfont(installedPlotFamily(font.family));
    qfont.setPixelSize(qRound(font.pointSize * kTwipsPerPoint));
    qfont.setBold(font.bold);
    qfont.setHintingPreference(QFont::PreferNoHinting); // advances scale linearly to any device
    return qfont;
}

PlotTextMeasure plotTextMeasure() {
    // One QFontMetricsF per font and the sizes already measured with it,
    // kept by the measure itself: a resized plot measures the same labels.
    struct FontSizes {
        QFontMetricsF metrics;
        QHash<QString, QSizeF> sizes;
    };
    using Key = std::tuple<QString, double, bool>;
    auto cache = std::make_shared<std::map<Key, FontSizes>>();
    return [cache](const QString& text, const PlotFont& font) {
        const Key key{font.family, font.pointSize, font.bold};
        auto it = cache->find(key);
        if (it == cache->end())
            it = cache->emplace(key, FontSizes{QFontMetricsF(plotQFont(font)), {}}).first;
        FontSizes& entry = it->second;
        const auto known = entry.sizes.constFind(text);
        if (known != entry.sizes.cend())
            return *known;
        const QSizeF size(entry.metrics.horizontalAdvance(text), entry.metrics.height());
        entry.sizes.insert(text, size);
        return size;
    };
}

void paintPlotScene(QPainter& painter, const PlotScene& scene, const QRectF& target) {
    painter.save();
    painter.fillRect(target, qColour(scene.background));
    if (!scene.usable || scene.area.isEmpty()) {
        painter.restore();
        return;
    }
    painter.translate(target.topLeft());
    painter.scale(target.width() / scene.area.width(), target.height() / scene.area.height());

    painter.setRenderHint(QPainter::Antialiasing, false);
    paintSegments(painter, scene.gridLines);
    paintSegments(painter, scene.frameLines);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PlotText& label : scene.tickLabels)
        paintText(painter, label);
    paintText(painter, scene.title);

    painter.setRenderHint(QPainter::Antialiasing, true);
    paintCircles(painter, scene.circles);
    paintCurves(painter, scene.curves);
    for (const PlotText& label : scene.parameterLabels)
        paintText(painter, label);
    painter.restore();
}

void paintPlotPage(QPainter& painter, const PlotData& data, const QRectF& pageRect, double dotsPerInch) {
    const double twipsPerDot = kTwipsPerInch / dotsPerInch;
    const QSizeF area(pageRect.width() * twipsPerDot, pageRect.height() * twipsPerDot);
    paintPlotScene(painter, layoutPlotScene(data, area, PlotTarget::Printer, plotTextMeasure()), pageRect);
}

QImage plotImage(const PlotScene& scene, QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    QPainter painter(&image);
    paintPlotScene(painter, scene, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}

} // namespace tracol
