#include "digitize/CurveTracing.h"

#include "digitize/CurveFollower.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tracol {

QString tracingRefusalMessage(TracingRefusal refusal) {
    switch (refusal) {
    case TracingRefusal::None:
        return {};
    case TracingRefusal::NoPlotArea:
        return QStringLiteral("基本座標を設定してから曲線をクリックしてください。");
    case TracingRefusal::ClickOutsideArea:
        return QStringLiteral("座標の範囲内の曲線をクリックしてください。");
    case TracingRefusal::NoCurveAtClick:
        return QStringLiteral("曲線が見つかりません。曲線の上をクリックしてください。");
    case TracingRefusal::ColourTooCommon:
        return QStringLiteral("この色は画像の広い範囲を占めるため追跡できません。");
    case TracingRefusal::CurveLeavesArea:
        return QStringLiteral("曲線が座標の範囲外に出ています。基本座標の範囲を広げてください。");
    }
    return {};
}

QRectF plotAreaOf(const SharedState& s) {
    const double left = s.PixXmin / kTwipsPerPixel, right = s.PixXmax / kTwipsPerPixel;
    const double top = s.PixYmax / kTwipsPerPixel, bottom = s.PixYmin / kTwipsPerPixel;
    if (!(right > left) || !(bottom > top))
        return {};
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

namespace {

constexpr double kDirectionReach = 12; // the curve's direction is judged over this, each side
constexpr double kSeedReach = 8;       // profile through the click, each side
constexpr double kSeedOffset = 2;      // the line's centre this far from its strongest pixel
constexpr double kWidestLine = 12;     // a wider stretch is a filled shape, not a curve
constexpr double kShortestCurve = 3;   // pixels; anything shorter is a speck
constexpr double kEdgeClearance = 3;   // beyond the edge: an axis line and its rims
constexpr double kSideBand = 3;        // an axis line lies this far off the marks at most
constexpr double kSideLineShare = 0.6; // share of a side a line of the colour covers
constexpr double kBeyondEvidence = 6;  // curve found this far beyond: it runs on

double medianOf(std::vector<double>& values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

TracedCurve refused(TracingRefusal refusal) {
    TracedCurve curve;
    curve.refusal = refusal;
    return curve;
}

// The pixel of the curve nearest the click; of those equally near, the one
// of most membership, then the strongest of its neighbours.
std::optional<QPoint> strongestPixelNear(const TracingImage& image, const CurveColour& colour, QPoint click) {
    auto membership = [&](QPoint p) {
        return image.contains(p.x(), p.y()) ? colour.membership(image.pixel(p.x(), p.y())) : 0.0;
    };
    std::optional<QPoint> nearest;
    int nearestDistance2 = 0;
    double nearestMembership = 0;
    for (int dy = -kClickReach; dy <= kClickReach; ++dy) {
        for (int dx = -kClickReach; dx <= kClickReach; ++dx) {
            const int distance2 = dx * dx + dy * dy;
            const double m = membership(click + QPoint(dx, dy));
            if (distance2 > kClickReach * kClickReach + 1 || m < 0.5)
                continue;
            if (!nearest || distance2 < nearestDistance2 ||
                (distance2 == nearestDistance2 && m > nearestMembership)) {
                nearest = click + QPoint(dx, dy);
                nearestDistance2 = distance2;
                nearestMembership = m;
            }
        }
    }
    if (!nearest)
        return std::nullopt;
    QPoint strongest = *nearest;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (membership(*nearest + QPoint(dx, dy)) > membership(strongest))
                strongest = *nearest + QPoint(dx, dy);
        }
    }
    return strongest;
}

// The line's width and strongest membership across it: the medians of its
// cross-sections a few pixels to either side of the start, which may lie
// where a grid line crosses (the start's own where a dotted line shows too
// few).
struct LineProfile {
    double width, peak;
};
LineProfile typicalProfile(const CurveFollower& follower, QPointF start, QPointF direction,
                           const CrossSection& atStart) {
    const QPointF normal(-direction.y(), direction.x());
    std::vector<double> weights, peaks;
    for (int t = -4; t <= 4; ++t) {
        const CrossSection cut =
            follower.crossSection(start + direction * t, normal, kSeedReach, 1, kWidestLine);
        if (cut.kind == CrossSection::Kind::Found) {
            weights.push_back(cut.weight);
            peaks.push_back(cut.peak);
        }
    }
    if (weights.size() < 5)
        return {atStart.weight, atStart.peak};
    return {medianOf(weights), medianOf(peaks)};
}

// How far into the plot area the curve must keep from the side from `from`
// to `to`, when a line of the curve's own colour (an axis, the frame) runs
// along it - the marks are clicked on such lines, a few pixels off perhaps -
// so that the curve is never taken along that line: the line's far rim
// plus the curve's half width and a pixel. No clearance without such a line.
std::optional<double> sideClearance(const CurveFollower& follower, QPointF from, QPointF to, QPointF inward,
                                    double width) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    std::vector<double> offsets, widths;
    int samples = 0;
    for (double t = 0; t <= length; t += 2, ++samples) {
        const CrossSection cut =
            follower.crossSection(from + along * (t / length), inward, kSideBand + 3, kSideBand, kWidestLine);
        if (cut.kind == CrossSection::Kind::Found) {
            offsets.push_back(cut.offset);
            widths.push_back(cut.weight);
        }
    }
    if (offsets.size() <= kSideLineShare * samples)
        return std::nullopt;
    return std::max(0.0, medianOf(offsets) + medianOf(widths) / 2 + width / 2 + 1);
}

// Where the curve is followed: clear of the lines of its colour along the
// sides; elsewhere to the marks on the left and right (the X range), and
// over the marks by the curve's half width at the top and bottom, so that a
// curve touching the Y range stays whole.
QRectF followedArea(const CurveFollower& follower, const QRectF& plot, double width) {
    const QPointF tl = plot.topLeft(), tr = plot.topRight(), bl = plot.bottomLeft(), br = plot.bottomRight();
    const double over = -(1.5 + width / 2);
    QRectF area = plot;
    area.setLeft(plot.left() + sideClearance(follower, tl, bl, {1, 0}, width).value_or(0));
    area.setRight(plot.right() - sideClearance(follower, tr, br, {-1, 0}, width).value_or(0));
    area.setTop(plot.top() + sideClearance(follower, tl, tr, {0, 1}, width).value_or(over));
    area.setBottom(plot.bottom() - sideClearance(follower, bl, br, {0, -1}, width).value_or(over));
    return area;
}

// Whether the curve, having reached the top or bottom of the area at the end
// of `run`, goes on outside: it is followed on past the edge (and an axis
// line there) until it is found well beyond, or it stops.
bool runsOnBeyond(const CurveFollower& follower, const FollowedRun& run, QPointF start,
                  const FollowLimits& inside, const QRectF& imageArea) {
    const double band = kEdgeClearance + kBeyondEvidence + inside.lineWidth;
    QRectF outer = inside.area;
    if (run.end == FollowEnd::Top)
        outer.setTop(outer.top() - band);
    else
        outer.setBottom(outer.bottom() + band);
    outer.adjust(-band, 0, band, 0);
    FollowLimits beyond = inside;
    beyond.area = outer.intersected(imageArea);
    beyond.maxGap = kEdgeClearance + 2 * inside.lineWidth;
    const QPointF from = run.points.empty() ? start : run.points.back();
    const FollowedRun outside = follower.follow(from, run.direction, beyond);
    return outside.end == run.end && outside.onCurveAtEnd;
}

} // namespace

TracedCurve traceCurve(const TracingImage& image, const TracingRequest& request) {
    if (image.isEmpty() || request.plotArea.isEmpty())
        return refused(TracingRefusal::NoPlotArea);
    const QRectF imageArea(0, 0, image.width - 1, image.height - 1);
    const QRectF plot = request.plotArea;
    // A click on the axis line itself still counts as inside.
    if (!plot.adjusted(-1.5, -1.5, 1.5, 1.5).contains(request.click))
        return refused(TracingRefusal::ClickOutsideArea);

    const QRect plotPixels = plot.toAlignedRect();
    const Rgb background = mostCommonColour(image, plotPixels);
    const std::optional<SeedColour> seed =
        seedColourNear(image, request.click, background, request.colourTolerance);
    if (!seed)
        return refused(TracingRefusal::NoCurveAtClick);
    const CurveColour colour(background, seed->colour, request.colourTolerance);
    if (areaShare(image, plotPixels, colour) > kMaxCurveAreaShare)
        return refused(TracingRefusal::ColourTooCommon);

    // The line's centre and width across it, at the strongest pixel of the
    // curve near the click.
    const CurveFollower follower(image, colour);
    const std::optional<QPoint> onCurve = strongestPixelNear(image, colour, request.click);
    if (!onCurve)
        return refused(TracingRefusal::NoCurveAtClick);
    // Where a grid line or another curve crosses under the pointer, the
    // curve is taken up a few pixels along it.
    QPointF direction = follower.lineDirection(QPointF(*onCurve), kDirectionReach);
    const QPointF normal(-direction.y(), direction.x());
    QPointF start;
    CrossSection cut;
    for (int shift : {0, 2, -2, 4, -4}) {
        const QPointF at = QPointF(*onCurve) + direction * shift;
        cut = follower.crossSection(at, normal, kSeedReach, kSeedOffset, kWidestLine);
        if (cut.kind == CrossSection::Kind::Found) {
            start = at + normal * cut.offset;
            break;
        }
    }
    if (cut.kind != CrossSection::Kind::Found)
        return refused(TracingRefusal::NoCurveAtClick);
    direction = follower.lineDirection(start, kDirectionReach);
    const LineProfile profile = typicalProfile(follower, start, direction, cut);
    const double width = std::clamp(profile.width, 0.75, kWidestLine);

    FollowLimits limits;
    limits.area = followedArea(follower, plot, width).intersected(imageArea);
    limits.lineWidth = width;
    limits.linePeak = profile.peak;
    limits.maxGap = request.maxGap > 0 ? request.maxGap : 6 + 6 * width;

    const FollowedRun ahead = follower.follow(start, direction, limits);
    FollowedRun behind;
    if (ahead.end != FollowEnd::Closed)
        behind = follower.follow(start, -direction, limits);
    for (const FollowedRun* run : std::array<const FollowedRun*, 2>{&ahead, &behind}) {
        const bool atTopOrBottom = run->end == FollowEnd::Top || run->end == FollowEnd::Bottom;
        if (atTopOrBottom && run->onCurveAtEnd && runsOnBeyond(follower, *run, start, limits, imageArea))
            return refused(TracingRefusal::CurveLeavesArea);
    }

    TracedCurve curve;
    curve.centreline.reserve(behind.points.size() + 1 + ahead.points.size());
    curve.centreline.assign(behind.points.rbegin(), behind.points.rend());
    curve.centreline.push_back(start);
    curve.centreline.insert(curve.centreline.end(), ahead.points.begin(), ahead.points.end());
    if (curve.centreline.front().x() > curve.centreline.back().x())
        std::reverse(curve.centreline.begin(), curve.centreline.end());
    double length = 0;
    for (size_t i = 1; i < curve.centreline.size(); ++i) {
        const QPointF step = curve.centreline[i] - curve.centreline[i - 1];
        length += std::hypot(step.x(), step.y());
    }
    if (length < kShortestCurve)
        return refused(TracingRefusal::NoCurveAtClick);
    const Rgb c = colour.curve();
    curve.colour = 0xff000000u | (quint32(std::lround(c.r)) << 16) | (quint32(std::lround(c.g)) << 8) |
                   quint32(std::lround(c.b));
    curve.lineWidth = width;
    curve.closed = ahead.end == FollowEnd::Closed;
    return curve;
}

} // namespace tracol
