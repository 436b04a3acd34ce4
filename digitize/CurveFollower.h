#pragma once
// Following a curve of one colour step by step across the image.
//
// At every step the follower moves one pixel ahead along the curve's
// direction and looks across it: the membership of the colour (bilinear
// between pixel centres) along the normal, sampled every quarter pixel,
// makes a profile. The stretch of the profile nearest the expected place
// gives the curve's centre there, as the membership-weighted mean
//
//   t* = sum m(t) t / sum m(t)      over the stretch and its antialiased rims,
//
// which for a line of any width and slant lies on its centreline within a
// fraction of a pixel. Where the profile holds no such stretch (a gap of a
// dashed line, a grid line or another curve lying on top) or a stretch too
// wide for the line (a line of the same colour crossing it), the follower
// goes on straight ahead and takes up the curve again behind the gap; a gap
// longer than the limit is the curve's end.

#include "digitize/TracingColour.h"
#include "digitize/TracingImage.h"

#include <QPointF>
#include <QRectF>

#include <vector>

namespace tracol {

struct CrossSection {
    enum class Kind {
        Found,   // the curve, at `offset` along the normal
        Blocked, // a stretch too wide for the line: something crosses it
        Nothing, // no stretch of the colour near the expected place
    };
    Kind kind = Kind::Nothing;
    double offset = 0; // centre, along the normal from the sampled place
    double extent = 0; // length of the profile lying on the curve
    double weight = 0; // sum of the membership: the line's width in pixels
    double peak = 0;   // highest membership on it
};

struct FollowLimits {
    QRectF area;          // the follower stops where the curve leaves it
    double lineWidth = 1; // of the curve, pixels
    double linePeak = 1;  // highest membership across the curve, as at its start
    double maxGap = 12;   // longest stretch bridged without the colour, pixels
};

enum class FollowEnd {
    Gap,       // the colour stopped for longer than the gap limit
    Left,      // the curve ran out of the area through its left side
    Right,     // ... its right side
    Top,       // ... its top
    Bottom,    // ... its bottom
    Closed,    // the curve came back to where it started
    StepLimit, // a run longer than the area could hold
};

struct FollowedRun {
    std::vector<QPointF> points; // centres found, in order, the start not included
    FollowEnd end = FollowEnd::Gap;
    bool onCurveAtEnd = false; // the curve was still found at the last step
    QPointF direction;         // of the curve at the end
};

class CurveFollower {
  public:
    CurveFollower(const TracingImage& image, const CurveColour& colour) : image_(image), colour_(colour) {}

    double membershipAt(QPointF position) const;

    // The profile across the curve at `centre` along the unit `normal`,
    // `reach` pixels to each side; the curve is found within `maxOffset` of
    // the centre and no longer than `maxExtent` across.
    CrossSection crossSection(QPointF centre, QPointF normal, double reach, double maxOffset,
                              double maxExtent) const;

    // The curve's direction through `centre`: of the straight lines through
    // it, the one that gathers the most membership within `reach` pixels to
    // either side. Unlike the pixels' principal axis it also holds on a dot
    // of a dotted line, where the dots before and after decide.
    QPointF lineDirection(QPointF centre, double reach) const;

    // Follows the curve from a centre `start` in the unit `direction`.
    FollowedRun follow(QPointF start, QPointF direction, const FollowLimits& limits) const;

  private:
    double pixelMembership(int x, int y) const {
        return image_.contains(x, y) ? colour_.membership(image_.pixel(x, y)) : 0;
    }

    const TracingImage& image_;
    const CurveColour& colour_;
};

} // namespace tracol
