// tracol: digitize a graph image and fit empirical formulas to its curves.

#include "core/SharedState.h"
#include "digitize/Form20.h"
#include "output/Worksheet.h"
#include "ui/Windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tracol"));

    tracol::SharedState state;
    state.WorkingFolder = tracol::chooseWorkingFolder(); // where each computation writes the worksheet
    tracol::Windows windows;
    tracol::Form20 mainWindow(state, windows);
    mainWindow.show();
    return QApplication::exec();
}
