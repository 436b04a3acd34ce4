#pragma once
// Graphs drawn with QPainter whose curves are known exactly, for the curve
// tracing's tests and benchmark: a white picture with a light grid, a black
// frame with ticks and labels, a legend, and antialiased curves (solid,
// dashed or dotted) given as functions of the graph's X. The calibration
// marks sit on the frame's corners, so the plot area is the frame.
//
// Positions are in the tracing's pixel coordinates (pixel centres at whole
// numbers); QPainter's pixel centres lie half a pixel further on.

#include "core/SharedState.h"
#include "digitize/ConversionView.h"
#include "digitize/TracedPoints.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace tracol::drawn {

struct Curve {
    std::function<double(double)> y; // graph Y at graph X
    double xFrom = 0, xTo = 10;      // graph X drawn
    QColor colour = Qt::black;
    double width = 1;
    Qt::PenStyle style = Qt::SolidLine;
};

struct Graph {
    QSize size{800, 600};
    int left = 80, top = 40, right = 760, bottom = 540; // frame: the marks' pixels
    double xMin = 0, xMax = 10, yMin = 0, yMax = 10;    // the marks' values
    bool logX = false, logY = false;
    double lineScale = 1; // widths of frame, grid and text, for large scans
    QRectF fill;          // pixels of a filled area under the curves, if any
    QColor fillColour = QColor(170, 210, 250);
    std::vector<Curve> curves;

    double scaledX(double x) const { return logX ? std::log(x) : x; }
    double scaledY(double y) const { return logY ? std::log(y) : y; }
    QPointF pixelOf(double x, double y) const {
        const double u = (scaledX(x) - scaledX(xMin)) / (scaledX(xMax) - scaledX(xMin));
        const double v = (scaledY(y) - scaledY(yMin)) / (scaledY(yMax) - scaledY(yMin));
        return {left + u * (right - left), bottom - v * (bottom - top)};
    }
    double graphX(double u) const {
        const double s = scaledX(xMin) + (u - left) / (right - left) * (scaledX(xMax) - scaledX(xMin));
        return logX ? std::exp(s) : s;
    }
    double graphY(double v) const {
        const double s = scaledY(yMin) + (bottom - v) / (bottom - top) * (scaledY(yMax) - scaledY(yMin));
        return logY ? std::exp(s) : s;
    }

    // The curve as a fine polyline in pixels.
    std::vector<QPointF> pixelPath(const Curve& c, int segments = 4000) const {
        std::vector<QPointF> path;
        const double from = scaledX(c.xFrom), to = scaledX(c.xTo);
        for (int i = 0; i <= segments; ++i) {
            const double s = from + (to - from) * i / segments;
            const double x = logX ? std::exp(s) : s;
            path.push_back(pixelOf(x, c.y(x)));
        }
        return path;
    }

    // The calibration a user makes on the frame's corners.
    SharedState calibration() const {
        SharedState s;
        s.PixXmin = float(left * kTwipsPerPixel);
        s.PixXmax = float(right * kTwipsPerPixel);
        s.PixYmin = float(bottom * kTwipsPerPixel);
        s.PixYmax = float(top * kTwipsPerPixel);
        s.ValXmin = float(xMin);
        s.ValXmax = float(xMax);
        s.ValYmin = float(yMin);
        s.ValYmax = float(yMax);
        return s;
    }
};

// Grid lines and ticks at each step of the axis (each decade on a
// logarithmic one), labelled.
inline std::vector<double> ticks(double from, double to, bool logarithmic) {
    std::vector<double> at;
    if (logarithmic) {
        for (double v = from; v <= to * 1.0001; v *= 10)
            at.push_back(v);
    } else {
        for (int i = 0; i <= 10; ++i)
            at.push_back(from + (to - from) * i / 10);
    }
    return at;
}

inline QImage draw(const Graph& g) {
    QImage image(g.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(0.5, 0.5); // pixel centres at whole numbers
    const double lw = g.lineScale;
    const QRectF frame(QPointF(g.left, g.top), QPointF(g.right, g.bottom));
    QFont font = p.font();
    font.setPixelSize(int(13 * lw));
    p.setFont(font);

    p.setPen(QPen(QColor(200, 200, 200), lw));
    for (double x : ticks(g.xMin, g.xMax, g.logX))
        p.drawLine(QPointF(g.pixelOf(x, g.yMin).x(), g.top), QPointF(g.pixelOf(x, g.yMin).x(), g.bottom));
    for (double y : ticks(g.yMin, g.yMax, g.logY))
        p.drawLine(QPointF(g.left, g.pixelOf(g.xMin, y).y()), QPointF(g.right, g.pixelOf(g.xMin, y).y()));

    if (!g.fill.isEmpty())
        p.fillRect(g.fill, g.fillColour);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Curve& c : g.curves) {
        QPainterPath path;
        const std::vector<QPointF> points = g.pixelPath(c, 1500);
        path.moveTo(points.front());
        for (size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        QPen pen(c.colour, c.width, c.style, Qt::FlatCap, Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(path);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    p.setPen(QPen(Qt::black, lw));
    p.drawRect(frame);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (double x : ticks(g.xMin, g.xMax, g.logX)) {
        const QPointF at = g.pixelOf(x, g.yMin);
        p.drawLine(at, at + QPointF(0, 6 * lw));
        p.drawText(QRectF(at.x() - 30 * lw, at.y() + 8 * lw, 60 * lw, 16 * lw), Qt::AlignCenter,
                   QString::number(x));
    }
    for (double y : ticks(g.yMin, g.yMax, g.logY)) {
        const QPointF at = g.pixelOf(g.xMin, y);
        p.drawLine(at, at - QPointF(6 * lw, 0));
        p.drawText(QRectF(at.x() - 70 * lw, at.y() - 8 * lw, 60 * lw, 16 * lw),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    }
    p.drawText(QRectF(g.left, 4 * lw, g.right - g.left, 24 * lw), Qt::AlignCenter,
               QStringLiteral("Pressure drop"));
    // The legend, in the frame's top left corner, clear of the curves.
    p.drawText(QRectF(g.left + 12 * lw, g.top + 8 * lw, 120 * lw, 16 * lw), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Line 1, Line 2"));
    p.end();
    return image;
}

// The picture written as `format` ("PNG", or "JPG" at `quality`) and read
// back, as a user's file would be.
inline QImage throughFile(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    QImage back;
    back.loadFromData(bytes, format);
    return back.convertToFormat(QImage::Format_RGB32);
}

// Distance from a point to a polyline.
inline double distanceTo(const std::vector<QPointF>& path, QPointF p) {
    double best = 1e300;
    for (size_t i = 1; i < path.size(); ++i) {
        const QPointF a = path[i - 1], ab = path[i] - a;
        const double len2 = QPointF::dotProduct(ab, ab);
        const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0;
        const QPointF d = p - (a + ab * t);
        best = std::min(best, std::hypot(d.x(), d.y()));
    }
    return best;
}

struct Deviation {
    double mean = 0, max = 0;
};

// Deviation in pixels of points given in pixels from the true curve.
inline Deviation deviationOf(const std::vector<QPointF>& truth, const std::vector<QPointF>& points) {
    Deviation d;
    for (const QPointF& p : points) {
        const double e = distanceTo(truth, p);
        d.mean += e;
        d.max = std::max(d.max, e);
    }
    if (!points.empty())
        d.mean /= double(points.size());
    return d;
}

// Axis kinds of the graph, as the option buttons would give them.
class GraphView : public ConversionView {
  public:
    explicit GraphView(const Graph& g)
        : x_(g.logX ? AxisKind::Logarithmic : AxisKind::Linear),
          y_(g.logY ? AxisKind::Logarithmic : AxisKind::Linear) {}
    AxisKind axisKind(Axis axis) const override { return axis == Axis::X ? x_ : y_; }
    void setSampledText(Axis, const QString&) override {}
    void setReadoutText(Axis, const QString&) override {}
    void setDataSetSampledText(Axis, const QString&) override {}
    void showMessage(const QString&) override {}

  private:
    AxisKind x_, y_;
};

// The graph values of traced positions (twips) taken back to pixels of the
// graph, where they can be compared with the true curve.
inline std::vector<QPointF> valuesAsPixels(const Graph& g, const std::vector<QPointF>& positions) {
    const GraphView view(g);
    std::vector<QPointF> pixels;
    for (const GraphValue& v : graphValuesOf(g.calibration(), view, positions)) {
        if (v.x && v.y)
            pixels.push_back(g.pixelOf(*v.x, *v.y));
    }
    return pixels;
}

} // namespace tracol::drawn
