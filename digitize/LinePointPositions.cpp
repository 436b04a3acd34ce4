#include "digitize/LinePointPositions.h"

#include "core/NumericText.h"
#include "data/TextLines.h"
#include "digitize/ValuePosition.h"

#include <cmath>

namespace tracol {

std::vector<LinePointPosition> linePointPositions(const SharedState& state, AxisKind xKind, AxisKind yKind) {
    std::vector<LinePointPosition> positions;
    if (!(state.XminMarked && state.YminMarked && state.XmaxMarked && state.YmaxMarked))
        return positions;
    for (int line = 1; line <= kLineCount; ++line) {
        for (const QString& point : pointLinesOf(state.LineBox[line])) {
            const qsizetype comma = point.indexOf(u',');
            const double x = numtext::val(point.left(comma));
            const double y = numtext::val(point.mid(comma + 1));
            if (const std::optional<QPointF> at = picturePositionOf(state, xKind, yKind, x, y);
                at && std::isfinite(at->x()) && std::isfinite(at->y()))
                positions.push_back({line, *at});
        }
    }
    return positions;
}

} // namespace tracol
