#include "app/ApplicationWindows.h"

#include "data/Form21.h"
#include "data/Form22.h"
#include "data/Form24.h"
#include "data/Form50.h"
#include "data/Form84.h"
#include "data/FormPdfPage.h"
#include "digitize/Form1.h"
#include "digitize/Form20.h"
#include "digitize/Form23.h"
#include "digitize/FormMagnifier.h"
#include "digitize/FormTrace.h"
#include "digitize/MDIForm20.h"
#include "fit/Form29.h"
#include "fit/Form33.h"
#include "fit/GrForm35.h"
#include "output/Form70.h"
#include "output/Form8.h"
#include "ui/FileDrop.h"
#include "ui/LineHistory.h"

namespace tracol {

ApplicationWindows::ApplicationWindows(SharedState& state, Windows& windows)
    : windows_(windows), lineHistory_(std::make_unique<LineHistory>(state, windows)) {
    // Digitizing: main window, image window, clean-image holder, exit question.
    owned_.emplace_back(std::make_unique<Form20>(state, windows));
    owned_.emplace_back(std::make_unique<MDIForm20>(state, windows));
    owned_.emplace_back(std::make_unique<Form23>(windows));
    owned_.emplace_back(std::make_unique<Form1>(windows));
    owned_.emplace_back(std::make_unique<FormMagnifier>(windows));
    owned_.emplace_back(std::make_unique<FormTrace>(state, windows));
    // File dialogs.
    owned_.emplace_back(std::make_unique<Form22>(state, windows));
    owned_.emplace_back(std::make_unique<FormPdfPage>(state, windows));
    // Data windows: the DataSet window, keyboard entry, save dialog.
    owned_.emplace_back(std::make_unique<Form21>(state, windows));
    owned_.emplace_back(std::make_unique<Form50>(state, windows));
    owned_.emplace_back(std::make_unique<Form24>(state, windows));
    owned_.emplace_back(std::make_unique<Form84>(state, windows));
    // Formula fitting: the computation screen, its conditions and progress.
    owned_.emplace_back(std::make_unique<Form33>(state, windows));
    owned_.emplace_back(std::make_unique<Form29>(state, windows));
    owned_.emplace_back(std::make_unique<GrForm35>(state, windows));
    // Output: the plot screen.
    owned_.emplace_back(std::make_unique<Form70>(state, windows));
    // Output: the print settings, with the printer they are for.
    owned_.emplace_back(std::make_unique<Form8>(state, windows));
}

ApplicationWindows::~ApplicationWindows() {
    while (!owned_.empty())
        owned_.pop_back();
}

void ApplicationWindows::start(const QString& startFile) {
    // Every window another may ask for is there before the user can ask.
    if (const QStringList missing = windows_.missingWindows(); !missing.isEmpty())
        qFatal("Tracol: windows not built: %s", qPrintable(missing.join(u' ')));
    // Files dropped on the digitizing windows open as chosen in the open
    // dialog; undo and redo answer in the windows that are at work while
    // the main window waits.
    Windows& windows = windows_;
    for (QWidget* window : {windows_.form20.data(), windows_.mdiForm20.data(), windows_.form21.data()})
        new FileDrop(*window, [&windows](const QString& path) { windows.openDialog().openPath(path); });
    for (QWidget* window : {windows_.mdiForm20.data(), windows_.form21.data()})
        lineHistory_->addShortcutsTo(*window);
    auto* main = qobject_cast<Form20*>(windows_.form20.data());
    main->load();
    main->show();
    if (!startFile.isEmpty())
        windows_.openDialog().openPath(startFile);
}

} // namespace tracol
