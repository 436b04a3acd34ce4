#pragma once
// The colour of a curve to trace, told apart from the background of the
// graph and from lines of other colours.
//
// Antialiasing, scanning and JPEG compression blend the curve's colour C with
// the background B, so a pixel P of the curve lies near the segment from B
// to C, at the share a of the pixel that the curve covers:
//
//   P ~ B + a (C - B),   a = (P - B) . (C - B) / |C - B|^2
//   r = |P - B - a (C - B)|            (how far P lies off that segment)
//
// The membership of a pixel is a clamped to 0..1 while r <= tolerance, and
// falls linearly to 0 at r = 1.5 tolerance. A grid line or a curve of another
// hue lies far off the segment and has no membership, so it reads as a gap.

#include "digitize/TracingImage.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace tracol {

// Colour distances are Euclidean in 0..255 RGB (0..441).
inline constexpr double kDefaultColourTolerance = 64;
// A click this many pixels off a curve still finds it.
inline constexpr int kClickReach = 3;
// Least distance from the background for a pixel to be taken for a line.
inline constexpr double kMinimumContrast = 40;
// Membership from which a pixel counts as lying on the curve rather than at
// its antialiased rim.
inline constexpr double kCoreMembership = 0.35;

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb rgbOf(quint32 argb);
double colourDistance(Rgb a, Rgb b);

class CurveColour {
  public:
    CurveColour(Rgb background, Rgb curve, double tolerance);

    double membership(quint32 argb) const;
    Rgb background() const { return background_; }
    Rgb curve() const { return curve_; }

  private:
    Rgb background_, curve_;
    double dr_, dg_, db_;   // C - B
    double inverseLength2_; // 1 / |C - B|^2
    double tolerance_;
};

// The most common colour of the area, from a grid of at most ~250 000
// samples: the background of the graph.
Rgb mostCommonColour(const TracingImage& image, const QRect& area);

// Share of the area's samples (same grid) that lie on a curve of the colour.
double areaShare(const TracingImage& image, const QRect& area, const CurveColour& colour);

// The colour under the pointer, robust to a click a few pixels off a thin
// antialiased line: the pixel that stands out most from the background,
// less so the farther it lies from the click, decides the hue, and the
// strongest pixels of that hue nearby give the colour (their channel median,
// against JPEG noise). No colour when nothing near the click stands out from
// the background.
struct SeedColour {
    QPoint pixel; // the pixel that decided the hue
    Rgb colour;
};
std::optional<SeedColour> seedColourNear(const TracingImage& image, QPoint click, Rgb background,
                                         double tolerance);

} // namespace tracol
