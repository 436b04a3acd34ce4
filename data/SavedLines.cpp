#include "data/SavedLines.h"

namespace tracol {

void markLinesSaved(SharedState& state, int saveKind, int selectedLine) {
    if (saveKind == 1) {
        if (selectedLine >= 1 && selectedLine <= kLineCount)
            state.SavedLineBox[selectedLine] = state.LineBox[selectedLine];
        return;
    }
    // A kind 0 save from keyboard entry writes the pages, not the Lines.
    if (saveKind == 0 && !state.KeyboardDataActive)
        state.SavedLineBox = state.LineBox;
}

bool hasUnsavedPoints(const SharedState& state) {
    for (int line = 1; line <= kLineCount; ++line) {
        const QString& text = state.LineBox[line];
        if (text.contains(u',') && text != state.SavedLineBox[line])
            return true;
    }
    return false;
}

} // namespace tracol
