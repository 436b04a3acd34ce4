#include "ui/Windows.h"

#include "core/SharedState.h"

#include <cstdio>
#include <cstdlib>

namespace tracol {

QStringList Windows::missingWindows() const {
    QStringList missing;
    const auto check = [&missing](const void* link, const char* window) {
        if (!link && !missing.contains(QLatin1String(window)))
            missing << QLatin1String(window);
    };
    check(exitQuestionLink, "Form1");
    check(mainWindowLink, "Form20");
    check(calibrationPanelLink, "Form20");
    check(dataSetLink, "Form21");
    check(openDialogLink, "Form22");
    check(pdfPageLink, "FormPdfPage");
    check(cleanImageLink, "Form23");
    check(saveDialogLink, "Form24");
    check(conditionsLink, "Form29");
    check(computationLink, "Form33");
    check(keyboardEntryLink, "Form50");
    check(csvSaveDialogLink, "Form84");
    check(progressLink, "GrForm35");
    check(imageWindowLink, "MDIForm20");
    check(magnifierLink, "FormMagnifier");
    check(tracePreviewLink, "FormTrace");
    check(lineHistoryService, "LineHistory");
    check(plotScreenLink, "Form70");
    check(printSettingsLink, "Form8");
    check(printOutputService, "Form8");
    return missing;
}

void Windows::openComputation(SharedState& state, CallerValue caller) const {
    state.ComputeCaller = caller;
    computation().openFrom(caller);
}

void Windows::missing(const char* window) {
    // A window that another needs was never built: a fault of the program
    // itself, which must not go on as if the step had happened.
    std::fprintf(stderr, "Tracol: the window %s is needed but was not built\n", window);
    std::abort();
}

} // namespace tracol
