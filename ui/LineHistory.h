#pragma once
// Undo and redo of what the user does to the Lines: sampled points, deleted
// Lines, edited Line texts and loaded data. Each step keeps the Lines as they
// were before it and after it (data/LinesSnapshot.h); undoing puts the first
// back and redoing the second, and the windows show the Lines again from the
// shared state (Windows::lineBoxChanged). Typing in one Line box makes one
// step until another kind of change comes.

#include "core/SharedState.h"
#include "data/LinesSnapshot.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

namespace tracol {

class Windows;

class LineHistory : public QObject {
    Q_OBJECT
  public:
    LineHistory(SharedState& state, Windows& windows, QObject* parent = nullptr);

    // What kind of change a step is; consecutive edits of one Line's box merge.
    enum class Kind { SampledPoint, DeletedLines, EditedLine, LoadedData, TracedPoints };

    // Records `change`, already done, as one step; `before` holds the Lines as
    // they were. Nothing is recorded when the Lines did not change.
    void record(Kind kind, const LinesSnapshot& before, int line = 0);
    // Runs `change` and records it as one step.
    void recordAround(Kind kind, const std::function<void()>& change, int line = 0);

    QUndoStack& stack() { return stack_; }

    // While keyboard entry is shown its pages hold the Lines, and steps taken
    // back or done again would mix the two: undo and redo wait.
    void setPaused(bool paused);
    bool canUndo() const { return !paused_ && stack_.canUndo(); }
    bool canRedo() const { return !paused_ && stack_.canRedo(); }
    void undo();
    void redo();

    // Ctrl+Z and Ctrl+Y in `window` (the image window and the DataSet window
    // take them while the main window waits during sampling).
    void addShortcutsTo(QWidget& window);

  signals:
    void availabilityChanged(); // canUndo or canRedo may have changed

  private:
    class Step;
    void show(const LinesSnapshot& lines);

    SharedState& state_;
    Windows& windows_;
    QUndoStack stack_;
    bool paused_ = false;
};

} // namespace tracol
