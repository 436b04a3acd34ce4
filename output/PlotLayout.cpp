#include "output/PlotLayout.h"

#include "core/NumericText.h"
#include "output/PlotLabelFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tracol {

namespace {

const PlotFont kLabelFont{kPlotFontFamily, 9, false};
const PlotFont kTitleFont{kPlotFontFamily, 12, false};

double axisSpan(const PlotAxisRange& axis) {
    return axis.log ? std::log(axis.max / axis.min) : axis.max - axis.min;
}

PlotAxisScale axisScale(const PlotAxisRange& axis, double length) {
    PlotAxisScale scale;
    scale.min = axis.min;
    scale.max = axis.max;
    scale.log = axis.log;
    scale.scale = length / axisSpan(axis);
    scale.marks = axis.marks;
    if (axis.log)
        scale.labelledDigits = labelledLogDigits(std::log(10.0) * scale.scale);
    return scale;
}

bool isLabelled(const PlotAxisScale& axis, const AxisMark& mark) {
    return !axis.log || axis.labelledDigits.contains(QChar(u'0' + mark.digit));
}

// The label of a mark: the tick label patterns on a linear axis; on a
// logarithmic axis the general number text of the Single mark (1, 300, .02,
// 2E+07), which reads more easily than the fixed pattern's "300.".
QString markText(bool logAxis, double value) {
    return logAxis ? numtext::trimmedText(static_cast<float>(value)) : tickLabelText(value);
}

struct MarkLabel {
    double value = 0;
    int rank = 0; // placing order: decades first, then the digits of the smaller digit sets
    QString text;
    QSizeF size;
};

// Placing order of the mantissa digits, from the digit sets "1", "15",
// "125", "1235", "12357", "123456789".
int digitRank(int digit) {
    static const QString kOrder = QStringLiteral("152374689");
    return static_cast<int>(kOrder.indexOf(QChar(u'0' + digit)));
}

std::vector<MarkLabel> markLabels(const PlotAxisScale& axis, const PlotTextMeasure& measure) {
    std::vector<MarkLabel> labels;
    for (const AxisMark& mark : axis.marks) {
        if (!isLabelled(axis, mark))
            continue;
        const QString text = markText(axis.log, mark.value);
        labels.push_back(
            MarkLabel{mark.value, axis.log ? digitRank(mark.digit) : 0, text, measure(text, kLabelFont)});
    }
    return labels;
}

// Places labels in rank order (then by value), leaving out a label whose box
// along the axis would come closer than `gap` to one already placed.
// `place` gives a label's box.
template <typename Place>
void placeLabels(std::vector<MarkLabel> labels, bool horizontal, double gap, Place place,
                 std::vector<PlotText>& out) {
    std::stable_sort(labels.begin(), labels.end(),
                     [](const MarkLabel& a, const MarkLabel& b) { return a.rank < b.rank; });
    std::vector<std::pair<double, double>> taken;
    for (const MarkLabel& label : labels) {
        const QPointF at = place(label);
        const double from = horizontal ? at.x() : at.y();
        const double to = from + (horizontal ? label.size.width() : label.size.height());
        const bool clashes = std::any_of(taken.begin(), taken.end(), [&](const auto& span) {
            return from < span.second + gap && to + gap > span.first;
        });
        if (clashes)
            continue;
        taken.emplace_back(from, to);
        out.push_back(PlotText{label.text, at, label.size, kPlotTextColour, kLabelFont});
    }
}

// Grid lines at every mark, a short tick outside the frame at labelled
// ones, and the frame.
void addGridAndFrame(PlotScene& scene, double tick) {
    const QRectF& frame = scene.frame;
    const PlotMapping& mapping = scene.mapping;
    for (const AxisMark& mark : scene.x.marks) {
        const double px = mapping.pictureX(mark.value);
        scene.gridLines.push_back(PlotSegment{{px, frame.top()}, {px, frame.bottom()}, kPlotGridColour});
        if (isLabelled(scene.x, mark))
            scene.gridLines.push_back(
                PlotSegment{{px, frame.bottom()}, {px, frame.bottom() + tick}, kPlotGridColour});
    }
    for (const AxisMark& mark : scene.y.marks) {
        const double py = mapping.pictureY(mark.value);
        scene.gridLines.push_back(PlotSegment{{frame.left(), py}, {frame.right(), py}, kPlotGridColour});
        if (isLabelled(scene.y, mark))
            scene.gridLines.push_back(
                PlotSegment{{frame.left() - tick, py}, {frame.left(), py}, kPlotGridColour});
    }
    const QPointF corners[4] = {frame.bottomLeft(), frame.bottomRight(), frame.topRight(), frame.topLeft()};
    for (int i = 0; i < 4; ++i)
        scene.frameLines.push_back(PlotSegment{corners[i], corners[(i + 1) % 4], kPlotFrameColour});
}

// Tick labels centred under their X mark and right-aligned beside their Y
// mark; where labels would touch, decades and the smaller digit sets win.
void addTickLabels(PlotScene& scene, const std::vector<MarkLabel>& xLabels,
                   const std::vector<MarkLabel>& yLabels, double tick, double gap) {
    const QRectF& frame = scene.frame;
    const PlotMapping& mapping = scene.mapping;
    placeLabels(
        xLabels, true, gap,
        [&](const MarkLabel& label) {
            return QPointF(mapping.pictureX(label.value) - label.size.width() / 2, frame.bottom() + gap);
        },
        scene.tickLabels);
    placeLabels(
        yLabels, false, 0,
        [&](const MarkLabel& label) {
            return QPointF(frame.left() - gap - tick - label.size.width(),
                           mapping.pictureY(label.value) - label.size.height() / 2);
        },
        scene.tickLabels);
}

// Liang-Barsky: the part of the segment a-b inside `box`; none when it misses.
std::optional<std::pair<QPointF, QPointF>> clipped(QPointF a, QPointF b, const QRectF& box) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return std::make_pair(QPointF(a.x() + t0 * dx, a.y() + t0 * dy),
                          QPointF(a.x() + t1 * dx, a.y() + t1 * dy));
}

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// The polylines of one section's curve points.
void addCurve(const PlotSectionCurve& curve, const PlotData& data, const PlotMapping& mapping,
              const QRectF& frame, std::vector<PlotPolyline>& out) {
    PlotPolyline current;
    const auto flush = [&] {
        if (current.points.size() >= 2)
            out.push_back(current);
        current.points.clear();
    };
    QPointF previous;
    bool hasPrevious = false;
    for (const QPointF& value : curve.points) {
        const QPointF here = mapping.toPicture(value.x(), value.y());
        if (!data.x.contains(value.x()) || !finite(here)) {
            flush();
            hasPrevious = false;
            continue;
        }
        if (hasPrevious) {
            const auto part = clipped(previous, here, frame);
            if (!part) {
                flush();
            } else {
                if (current.points.empty() || current.points.back() != part->first) {
                    flush();
                    current.points.push_back(part->first);
                }
                current.points.push_back(part->second);
                if (part->second != here)
                    flush(); // the curve left the frame here
            }
        }
        previous = here;
        hasPrevious = true;
    }
    flush();
}

} // namespace

QRectF plotPictureGeometry(double innerWidth, double innerHeight) {
    const double w = innerWidth;
    return QRectF(w * 3.8 * 0.2 / 100, w * 3.8 / 100, w - w * 0.4 * 3.8 / 100,
                  innerHeight - 1000 - w * 3.8 / 100);
}

PlotScene layoutPlotScene(const PlotData& data, QSizeF area, PlotTarget target,
                          const PlotTextMeasure& measure) {
    PlotScene scene;
    scene.area = area;
    scene.background = target == PlotTarget::Printer ? kPlotPaperBackground : kPlotScreenBackground;
    if (!data.usable || !measure)
        return scene;

    const double lh = measure(QStringLiteral("0"), kLabelFont).height();
    const QSizeF titleSize = measure(kPlotTitle, kTitleFont);
    const double top = std::round(titleSize.height() * 1.8);
    const double bottom = std::round(lh * 1.9);
    const double height = area.height() - top - bottom;
    if (!(height > 0))
        return scene;
    const PlotAxisScale y = axisScale(data.y, height);
    const std::vector<MarkLabel> yLabels = markLabels(y, measure);
    double widestY = 0;
    for (const MarkLabel& label : yLabels)
        widestY = std::max(widestY, label.size.width());
    const double left = std::round(widestY + lh * 0.9);
    // The label of the last X mark is centred on the frame's right side.
    const double lastXLabel = measure(markText(data.x.log, data.x.max), kLabelFont).width();
    const double right = std::round(std::max(lh * 0.6, lastXLabel / 2 + lh * 0.4));
    const double width = area.width() - left - right;
    if (!(width > 0))
        return scene;
    const PlotAxisScale x = axisScale(data.x, width);

    scene.usable = true;
    scene.x = x;
    scene.y = y;
    scene.frame = QRectF(left, top, width, height);
    scene.mapping = PlotMapping{QPointF(left, top + height), x.min, y.min, x.scale, y.scale, x.log, y.log};
    scene.logXSwitchedOffBySampler = data.logXSwitchedOffBySampler;
    const double tick = lh * 0.25;
    addGridAndFrame(scene, tick);
    addTickLabels(scene, markLabels(x, measure), yLabels, tick, lh * 0.3);
    scene.title = PlotText{
        kPlotTitle, QPointF(scene.frame.center().x() - titleSize.width() / 2, titleSize.height() * 0.35),
        titleSize, kPlotTextColour, kTitleFont};

    // Data circles: a quarter of the width of "2" (1.5 times that on paper).
    const PlotMapping& mapping = scene.mapping;
    const double printerFactor = target == PlotTarget::Printer ? 1.5 : 1.0;
    const double radius = measure(QStringLiteral("2"), kLabelFont).width() * printerFactor / 4;
    for (const PlotDataPoint& point : data.points)
        scene.circles.push_back(PlotCircle{mapping.toPicture(point.x, point.y), radius, kPlotCircleColour});

    for (const PlotSectionCurve& curve : data.curves)
        addCurve(curve, data, mapping, scene.frame, scene.curves);

    if (data.showParameters) {
        for (const PlotParameterAnchor& anchor : data.parameters) {
            const QSizeF size = measure(anchor.text, kLabelFont);
            const QPointF at = mapping.toPicture(anchor.x, anchor.y);
            scene.parameterLabels.push_back(PlotText{anchor.text,
                                                     QPointF(at.x() + radius * 1.5, at.y() - size.height()),
                                                     size, kPlotParameterColour, kLabelFont});
        }
    }
    return scene;
}

} // namespace tracol
