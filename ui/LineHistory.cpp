#include "ui/LineHistory.h"

#include "ui/Windows.h"

#include <QShortcut>
#include <QUndoCommand>
#include <QWidget>

namespace tracol {

namespace {

QString stepText(LineHistory::Kind kind) {
    switch (kind) {
    case LineHistory::Kind::SampledPoint:
        return QStringLiteral("採取点");
    case LineHistory::Kind::DeletedLines:
        return QStringLiteral("Line削除");
    case LineHistory::Kind::EditedLine:
        return QStringLiteral("Lineの編集");
    case LineHistory::Kind::LoadedData:
        return QStringLiteral("データ読込み");
    case LineHistory::Kind::TracedPoints:
        return QStringLiteral("曲線自動追跡");
    }
    return QString();
}

} // namespace

class LineHistory::Step : public QUndoCommand {
  public:
    Step(LineHistory& history, Kind kind, int line, LinesSnapshot before, LinesSnapshot after)
        : QUndoCommand(stepText(kind)), history_(history), kind_(kind), line_(line),
          before_(std::move(before)), after_(std::move(after)) {}

    // The change is done already when the step is recorded.
    void redo() override {
        if (done_)
            history_.show(after_);
        done_ = true;
    }
    void undo() override { history_.show(before_); }
    int id() const override { return kind_ == Kind::EditedLine ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (next->line_ != line_)
            return false;
        after_ = next->after_;
        return true;
    }

  private:
    LineHistory& history_;
    Kind kind_;
    int line_;
    LinesSnapshot before_, after_;
    bool done_ = false;
};

LineHistory::LineHistory(SharedState& state, Windows& windows, QObject* parent)
    : QObject(parent), state_(state), windows_(windows) {
    windows_.lineHistoryService = this;
    connect(&stack_, &QUndoStack::canUndoChanged, this, &LineHistory::availabilityChanged);
    connect(&stack_, &QUndoStack::canRedoChanged, this, &LineHistory::availabilityChanged);
}

void LineHistory::setPaused(bool paused) {
    if (paused == paused_)
        return;
    paused_ = paused;
    emit availabilityChanged();
}

void LineHistory::undo() {
    if (canUndo())
        stack_.undo();
}

void LineHistory::redo() {
    if (canRedo())
        stack_.redo();
}

void LineHistory::record(Kind kind, const LinesSnapshot& before, int line) {
    LinesSnapshot after = LinesSnapshot::of(state_);
    if (after == before)
        return;
    stack_.push(new Step(*this, kind, line, before, std::move(after)));
    emit windows_.linesChanged();
}

void LineHistory::recordAround(Kind kind, const std::function<void()>& change, int line) {
    const LinesSnapshot before = LinesSnapshot::of(state_);
    change();
    record(kind, before, line);
}

void LineHistory::addShortcutsTo(QWidget& window) {
    auto* undo = new QShortcut(QKeySequence::Undo, &window);
    connect(undo, &QShortcut::activated, this, &LineHistory::undo);
    auto* redo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &window);
    connect(redo, &QShortcut::activated, this, &LineHistory::redo);
}

void LineHistory::show(const LinesSnapshot& lines) {
    lines.restore(state_);
    for (int line = 1; line <= kLineCount; ++line)
        emit windows_.lineBoxChanged(line);
    emit windows_.linesRestored();
    emit windows_.linesChanged();
}

} // namespace tracol
