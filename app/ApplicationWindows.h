#pragma once
// The window set of Tracol, created in one place: every window is built once,
// registered in the Windows hub, and lives until the program ends.

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QObject>
#include <memory>
#include <vector>

class QWidget;

namespace tracol {
class LineHistory;
}

namespace tracol {

class ApplicationWindows {
  public:
    ApplicationWindows(SharedState& state, Windows& windows);
    ~ApplicationWindows();
    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    // The start of the program: the main window loads (showing the image
    // window) and is shown. A file named on the command line (`startFile`)
    // is then opened as the open dialog opens it.
    void start(const QString& startFile = QString());

  private:
    Windows& windows_;
    std::unique_ptr<LineHistory> lineHistory_;    // undo and redo of the Lines
    std::vector<std::unique_ptr<QWidget>> owned_; // destroyed in reverse order
};

} // namespace tracol
