#pragma once
// Where the points of the Lines lie on the image, found back from their
// values with the calibration (digitize/ValuePosition.h): clicked, typed or
// loaded alike. The image window draws them as markers.

#include "core/SharedState.h"
#include "digitize/ConversionView.h"

#include <QPointF>

#include <vector>

namespace tracol {

struct LinePointPosition {
    int line = 0;     // 1..10
    QPointF position; // twips
};

// Every point line ("X,Y") of Lines 1..10 whose values have a place on the
// image; none while the calibration is incomplete.
std::vector<LinePointPosition> linePointPositions(const SharedState& state, AxisKind xKind, AxisKind yKind);

} // namespace tracol
