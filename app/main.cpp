// tracol: digitize a graph image and fit empirical formulas to its curves.

#include "app/ApplicationWindows.h"
#include "core/SharedState.h"
#include "output/Worksheet.h"
#include "ui/ImageFiles.h"
#include "ui/Windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tracol"));
    tracol::allowLargeImages(); // scans of A4 pages and more

    tracol::SharedState state;
    state.WorkingFolder = tracol::chooseWorkingFolder(); // where each computation writes the worksheet
    tracol::Windows windows;
    tracol::ApplicationWindows applicationWindows(state, windows);
    applicationWindows.start();
    return QApplication::exec();
}
