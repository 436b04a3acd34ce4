#include "digitize/CurveFollower.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tracol {

namespace {

constexpr double kSampleSpacing = 0.25; // along the profile, pixels
constexpr double kStep = 1.0;           // along the curve, pixels
constexpr double kRimFloor = 0.05;      // membership below which the rim ends
constexpr int kRimSamples = 6;          // longest rim: 1.5 px
// A stretch with less than these shares of the line's width or of its
// strongest membership is a fainter line of a similar hue (a grey grid line
// beside a dark grey curve), not the curve.
constexpr double kFaintShare = 0.5;
constexpr double kResumeShare = 0.7;
constexpr double kFaintPeakShare = 0.6;
constexpr int kMaxSamples = 1024;

double length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

QPointF normalOf(QPointF direction) {
    return {-direction.y(), direction.x()};
}

FollowEnd sideLeft(const QRectF& area, QPointF q) {
    const double over[4] = {area.left() - q.x(), q.x() - area.right(), area.top() - q.y(),
                            q.y() - area.bottom()};
    const int side = int(std::max_element(over, over + 4) - over);
    constexpr FollowEnd sides[4] = {FollowEnd::Left, FollowEnd::Right, FollowEnd::Top, FollowEnd::Bottom};
    return sides[side];
}

} // namespace

double CurveFollower::membershipAt(QPointF position) const {
    const double fx = std::floor(position.x()), fy = std::floor(position.y());
    const int x = int(fx), y = int(fy);
    const double u = position.x() - fx, v = position.y() - fy;
    return (1 - v) * ((1 - u) * pixelMembership(x, y) + u * pixelMembership(x + 1, y)) +
           v * ((1 - u) * pixelMembership(x, y + 1) + u * pixelMembership(x + 1, y + 1));
}

CrossSection CurveFollower::crossSection(QPointF centre, QPointF normal, double reach, double maxOffset,
                                         double maxExtent) const {
    const int half = std::min(int(std::ceil(reach / kSampleSpacing)), (kMaxSamples - 1) / 2);
    const int count = 2 * half + 1;
    std::array<double, kMaxSamples> m;
    for (int i = 0; i < count; ++i)
        m[i] = membershipAt(centre + normal * ((i - half) * kSampleSpacing));

    // The stretches of samples on the curve; the one nearest the centre wins.
    struct Stretch {
        int first, last;
    };
    Stretch best{-1, -1};
    double bestDistance = 0;
    for (int i = 0; i < count;) {
        if (m[i] < kCoreMembership) {
            ++i;
            continue;
        }
        Stretch s{i, i};
        while (s.last + 1 < count && m[s.last + 1] >= kCoreMembership)
            ++s.last;
        const double from = (s.first - half) * kSampleSpacing, to = (s.last - half) * kSampleSpacing;
        const double distance = from > 0 ? from : (to < 0 ? -to : 0);
        if (best.first < 0 || distance < bestDistance) {
            best = s;
            bestDistance = distance;
        }
        i = s.last + 1;
    }
    CrossSection result;
    if (best.first < 0)
        return result;
    result.extent = (best.last - best.first + 1) * kSampleSpacing;
    if (best.first == 0 || best.last == count - 1 || result.extent > maxExtent) {
        result.kind = CrossSection::Kind::Blocked;
        return result;
    }
    // The antialiased rims belong to the line as long as they fade, for a
    // pixel and a half at most (a faint line along the profile never does).
    int first = best.first, last = best.last;
    while (first > 0 && best.first - first < kRimSamples && m[first - 1] > kRimFloor &&
           m[first - 1] < m[first])
        --first;
    while (last + 1 < count && last - best.last < kRimSamples && m[last + 1] > kRimFloor &&
           m[last + 1] < m[last])
        ++last;
    double sum = 0, moment = 0;
    for (int i = first; i <= last; ++i) {
        result.peak = std::max(result.peak, m[i]);
        sum += m[i];
        moment += m[i] * (i - half) * kSampleSpacing;
    }
    result.offset = moment / sum;
    result.weight = sum * kSampleSpacing;
    result.kind =
        std::fabs(result.offset) <= maxOffset ? CrossSection::Kind::Found : CrossSection::Kind::Nothing;
    return result;
}

QPointF CurveFollower::lineDirection(QPointF centre, double reach) const {
    auto gathered = [&](double angle) {
        const QPointF d(std::cos(angle), std::sin(angle));
        double sum = 0;
        for (double t = -reach; t <= reach; t += 0.5)
            sum += membershipAt(centre + d * t);
        return sum;
    };
    // Every 5 degrees, then to the degree around the best.
    constexpr double kDegree = std::numbers::pi / 180;
    double best = 0, bestSum = -1;
    for (int k = 0; k < 36; ++k) {
        if (const double sum = gathered(5 * k * kDegree); sum > bestSum) {
            bestSum = sum;
            best = 5 * k * kDegree;
        }
    }
    const double coarse = best;
    for (int k = -4; k <= 4; ++k) {
        if (const double sum = gathered(coarse + k * kDegree); sum > bestSum) {
            bestSum = sum;
            best = coarse + k * kDegree;
        }
    }
    return {std::cos(best), std::sin(best)};
}

FollowedRun CurveFollower::follow(QPointF start, QPointF direction, const FollowLimits& limits) const {
    FollowedRun run;
    const double w = limits.lineWidth;
    const double maxExtent = 2 * w + 2.5;
    // The direction is the chord back over `chordLength` pixels of the
    // curve: long enough to calm the jitter of single centres, short enough
    // for tight bends.
    const double chordLength = std::max(6.0, 3 * w);
    const long long maxSteps = 4 * static_cast<long long>(limits.area.width() + limits.area.height()) + 100;
    // A curve that comes back to its start is closed, once it has been away.
    const double closeDistance = 1 + w / 2, awayDistance = 4 * closeDistance + 4;
    bool away = false;

    QPointF p = start, d = direction;
    double gap = 0;
    // The line's weight and peak across it as found lately: the yardsticks
    // of a stretch. A grey grid line beside a dark grey curve has both lower.
    double typicalWeight = w, typicalPeak = limits.linePeak;
    for (long long step = 0;; ++step) {
        if (step > maxSteps) {
            run.end = FollowEnd::StepLimit;
            break;
        }
        const QPointF q = p + d * kStep;
        if (!limits.area.contains(q)) {
            run.end = sideLeft(limits.area, q);
            run.onCurveAtEnd = gap == 0;
            break;
        }
        // Behind a gap the curve may have bent away from the straight path.
        const double maxOffset = 0.75 + 0.25 * w + 0.3 * gap;
        const double reach = maxOffset + maxExtent / 2 + 1.5;
        const CrossSection cut = crossSection(q, normalOf(d), reach, maxOffset, maxExtent);
        // Behind a gap only a full stretch takes the curve up again, not a
        // speck of noise where a grid line crosses.
        const double leastWeight = (gap > 0 ? kResumeShare : kFaintShare) * typicalWeight;
        if (cut.kind != CrossSection::Kind::Found || cut.weight < leastWeight ||
            cut.peak < kFaintPeakShare * typicalPeak) {
            p = q;
            gap += kStep;
            if (gap > limits.maxGap) {
                run.end = FollowEnd::Gap;
                break;
            }
            continue;
        }
        p = q + normalOf(d) * cut.offset;
        gap = 0;
        typicalWeight += 0.1 * (cut.weight - typicalWeight);
        typicalPeak += 0.1 * (cut.peak - typicalPeak);
        run.points.push_back(p);
        // (Centres lie about a step apart, so the chord's far end is found
        // among the last few; a curve winding tighter keeps its direction.)
        QPointF back = start;
        const qsizetype n = run.points.size(),
                        oldest = std::max<qsizetype>(0, n - 4 * qsizetype(chordLength));
        for (qsizetype i = n - 1; i >= oldest; --i) {
            back = run.points[i];
            if (length(p - back) >= chordLength)
                break;
        }
        if (length(p - back) < chordLength && length(p - start) > length(p - back))
            back = start;
        const QPointF chord = p - back;
        if (length(chord) >= 0.5 * chordLength)
            d = chord / length(chord);

        const double fromStart = length(p - start);
        away = away || fromStart > awayDistance;
        if (away && fromStart < closeDistance) {
            run.end = FollowEnd::Closed;
            run.onCurveAtEnd = true;
            break;
        }
    }
    run.direction = d;
    return run;
}

} // namespace tracol
