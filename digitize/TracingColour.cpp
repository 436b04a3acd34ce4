#include "digitize/TracingColour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tracol {

Rgb rgbOf(quint32 argb) {
    return {double((argb >> 16) & 0xff), double((argb >> 8) & 0xff), double(argb & 0xff)};
}

double colourDistance(Rgb a, Rgb b) {
    return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}

CurveColour::CurveColour(Rgb background, Rgb curve, double tolerance)
    : background_(background), curve_(curve), dr_(curve.r - background.r), dg_(curve.g - background.g),
      db_(curve.b - background.b), tolerance_(std::max(tolerance, 1.0)) {
    const double length2 = dr_ * dr_ + dg_ * dg_ + db_ * db_;
    inverseLength2_ = length2 > 0 ? 1 / length2 : 0;
}

double CurveColour::membership(quint32 argb) const {
    const double pr = double((argb >> 16) & 0xff) - background_.r;
    const double pg = double((argb >> 8) & 0xff) - background_.g;
    const double pb = double(argb & 0xff) - background_.b;
    const double a = (pr * dr_ + pg * dg_ + pb * db_) * inverseLength2_;
    if (a <= 0)
        return 0;
    const double er = pr - a * dr_, eg = pg - a * dg_, eb = pb - a * db_;
    const double r2 = er * er + eg * eg + eb * eb;
    const double share = std::min(a, 1.0);
    if (r2 <= tolerance_ * tolerance_)
        return share;
    const double r = std::sqrt(r2);
    return r >= 1.5 * tolerance_ ? 0 : share * (3 - 2 * r / tolerance_);
}

namespace {

// The step of a grid over the area with at most about 250 000 points, which
// tells the colours of a large scan apart as well as all its pixels would.
int sampleStep(const QRect& area) {
    const double cells = double(area.width()) * area.height();
    return std::max(1, int(std::ceil(std::sqrt(cells / 250000))));
}

QRect clipped(const TracingImage& image, const QRect& area) {
    return area.intersected(QRect(0, 0, image.width, image.height));
}

} // namespace

Rgb mostCommonColour(const TracingImage& image, const QRect& area) {
    const QRect box = clipped(image, area);
    if (box.isEmpty())
        return {255, 255, 255};
    // 16 levels per channel: JPEG noise and paper grain fall in one bin, and
    // the bin's mean is the colour.
    struct Bin {
        int count = 0;
        double r = 0, g = 0, b = 0;
    };
    std::vector<Bin> bins(4096);
    const int step = sampleStep(box);
    for (int y = box.top(); y <= box.bottom(); y += step) {
        for (int x = box.left(); x <= box.right(); x += step) {
            const quint32 p = image.pixel(x, y);
            Bin& bin = bins[((p >> 12) & 0xf00) | ((p >> 8) & 0xf0) | ((p >> 4) & 0xf)];
            const Rgb c = rgbOf(p);
            ++bin.count;
            bin.r += c.r;
            bin.g += c.g;
            bin.b += c.b;
        }
    }
    const Bin& top = *std::max_element(bins.begin(), bins.end(),
                                       [](const Bin& a, const Bin& b) { return a.count < b.count; });
    return {top.r / top.count, top.g / top.count, top.b / top.count};
}

double areaShare(const TracingImage& image, const QRect& area, const CurveColour& colour) {
    const QRect box = clipped(image, area);
    if (box.isEmpty())
        return 0;
    const int step = sampleStep(box);
    long long samples = 0, onCurve = 0;
    for (int y = box.top(); y <= box.bottom(); y += step) {
        for (int x = box.left(); x <= box.right(); x += step) {
            ++samples;
            if (colour.membership(image.pixel(x, y)) >= kCoreMembership)
                ++onCurve;
        }
    }
    return double(onCurve) / double(samples);
}

std::optional<SeedColour> seedColourNear(const TracingImage& image, QPoint click, Rgb background,
                                         double tolerance) {
    struct Candidate {
        QPoint pixel;
        Rgb colour;
        double contrast;
        int distance2;
    };
    std::vector<Candidate> candidates;
    for (int dy = -kClickReach; dy <= kClickReach; ++dy) {
        for (int dx = -kClickReach; dx <= kClickReach; ++dx) {
            const int distance2 = dx * dx + dy * dy;
            const QPoint p = click + QPoint(dx, dy);
            if (distance2 > kClickReach * kClickReach + 1 || !image.contains(p.x(), p.y()))
                continue;
            const Rgb c = rgbOf(image.pixel(p.x(), p.y()));
            const double contrast = colourDistance(c, background);
            if (contrast >= kMinimumContrast)
                candidates.push_back({p, c, contrast, distance2});
        }
    }
    if (candidates.empty())
        return std::nullopt;

    // Near the click, the colour that stands out most: a curve over the grid
    // line it crosses, a line's core over its antialiased rim.
    auto score = [](const Candidate& c) { return c.contrast / (1 + 0.25 * c.distance2); };
    const Candidate nearest =
        *std::max_element(candidates.begin(), candidates.end(),
                          [&](const Candidate& a, const Candidate& b) { return score(a) < score(b); });
    // The pixels of its hue, faint rims included.
    const CurveColour hue(background, nearest.colour, tolerance);
    std::vector<Candidate> sameHue;
    double strongest = 0;
    for (const Candidate& c : candidates) {
        const quint32 argb = (quint32(c.colour.r) << 16) | (quint32(c.colour.g) << 8) | quint32(c.colour.b);
        if (hue.membership(argb) > 0) {
            sameHue.push_back(c);
            strongest = std::max(strongest, c.contrast);
        }
    }
    std::array<std::vector<double>, 3> channels;
    for (const Candidate& c : sameHue) {
        if (c.contrast < 0.85 * strongest)
            continue;
        channels[0].push_back(c.colour.r);
        channels[1].push_back(c.colour.g);
        channels[2].push_back(c.colour.b);
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    // The hue of the median, as strong as the strongest pixel: a thin line
    // seldom covers a whole pixel, and its colour must not come out paler
    // than a grid line beside it.
    const Rgb hueOf{median(channels[0]), median(channels[1]), median(channels[2])};
    const double hueContrast = colourDistance(hueOf, background);
    const double scale = hueContrast > 0 ? strongest / hueContrast : 1;
    const Rgb colour{std::clamp(background.r + (hueOf.r - background.r) * scale, 0.0, 255.0),
                     std::clamp(background.g + (hueOf.g - background.g) * scale, 0.0, 255.0),
                     std::clamp(background.b + (hueOf.b - background.b) * scale, 0.0, 255.0)};
    return SeedColour{nearest.pixel, colour};
}

} // namespace tracol
