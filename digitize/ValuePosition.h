#pragma once
// Graph values back to their place on the image: the inverse of the
// position-to-value conversion (Module20), with the same calibration, axis
// kinds and mid-point corrections. Tracol draws the points of the Lines over
// the image with it, whether they were clicked or typed or loaded.

#include "core/SharedState.h"
#include "digitize/ConversionView.h"

#include <QPointF>

#include <optional>

namespace tracol {

// The picture position (twips) of (x, y); none where the calibration is not
// complete, an axis has no kind, or a logarithmic axis has no place for the
// value (x or y <= 0).
std::optional<QPointF> picturePositionOf(const SharedState& state, AxisKind xKind, AxisKind yKind, double x,
                                         double y);

} // namespace tracol
