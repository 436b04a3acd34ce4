// tracol: digitize a graph image and fit empirical formulas to its curves.

#include "app/ApplicationWindows.h"
#include "app/StartCommandLine.h"
#include "core/SharedState.h"
#include "output/Worksheet.h"
#include "ui/ImageFiles.h"
#include "ui/Windows.h"

#include "TracolVersion.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

enum ExitStatus : int { kExitOk = 0, kExitBadCommandLine = 2 };

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("tracol"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tracol::kTracolVersion));
}

// --help and --version are answered by a core application before any window
// exists, so they work without a display.
std::optional<int> answerWithoutWindows(int& argc, char** argv) {
    QCoreApplication core(argc, argv);
    nameTheProgram();
    const tracol::StartCommandLine line = tracol::parseStartCommandLine(QCoreApplication::arguments());
    QTextStream out(stdout);
    if (line.help)
        out << tracol::startHelpText();
    else if (line.version)
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
    else
        return std::nullopt;
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = answerWithoutWindows(argc, argv))
        return *status;

    QApplication app(argc, argv);
    nameTheProgram();
    tracol::allowLargeImages(); // scans of A4 pages and more
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tracol::kTracolDesktopId));
    // The application has taken its own options (-platform, -style ...) away.
    const tracol::StartCommandLine line = tracol::parseStartCommandLine(QApplication::arguments());
    if (!line.error.isEmpty()) {
        QTextStream(stderr) << "tracol: " << line.error << "\nusage: tracol [--help] [--version] [FILE]\n";
        return kExitBadCommandLine;
    }

    tracol::SharedState state;
    state.WorkingFolder = tracol::chooseWorkingFolder(); // where each computation writes the worksheet
    tracol::Windows windows;
    tracol::ApplicationWindows applicationWindows(state, windows);
    applicationWindows.start(line.file);
    return QApplication::exec();
}
