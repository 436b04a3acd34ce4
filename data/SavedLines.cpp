#include "data/SavedLines.h"

#include "data/DataSetFile.h"
#include "data/TextLines.h"

namespace tracol {

void markLinesSaved(SharedState& state, int saveKind, int selectedLine) {
    if (saveKind != kSaveAllLines && saveKind != kSaveSelectedLine)
        return;
    // A kind 0 save from keyboard entry writes the pages, not the Lines.
    if (saveKind == kSaveAllLines && state.KeyboardDataActive)
        return;
    for (int line = 1; line <= kLineCount; ++line) {
        if (saveKind == kSaveSelectedLine && line != selectedLine)
            continue;
        // Only a Line written whole is on disk as the window shows it: one
        // the save skipped, or one with a point still being typed, is not.
        const QStringList written = writtenPointLines(state, static_cast<qint16>(saveKind), line);
        if (!written.isEmpty() && written == pointLinesOf(state.LineBox[line]))
            state.SavedLineBox[line] = state.LineBox[line];
    }
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
