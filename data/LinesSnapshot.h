#pragma once
// The Lines as they stand at one moment: their texts, staging copies, point
// counts and parameters, and the Line that receives points. Undo and redo
// put such a moment back.

#include "core/SharedState.h"

namespace tracol {

struct LinesSnapshot {
    PerLine<QString> box, parameter;
    decltype(SharedState::LineText) text{};
    PerLine<qint16> count{};
    qint16 currentLine = 1;

    static LinesSnapshot of(const SharedState& state) {
        return {state.LineBox, state.LineParameter, state.LineText, state.PointCount, state.CurrentLine};
    }
    void restore(SharedState& state) const {
        state.LineBox = box;
        state.LineParameter = parameter;
        state.LineText = text;
        state.PointCount = count;
        state.CurrentLine = currentLine;
    }
    bool operator==(const LinesSnapshot& other) const = default;
};

} // namespace tracol
