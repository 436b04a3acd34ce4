#pragma once
// The command line of the tracol program: tracol [--help] [--version] [FILE].

#include <QString>
#include <QStringList>

namespace tracol {

struct StartCommandLine {
    bool help = false;    // --help, -h, --help-all
    bool version = false; // --version, -v
    QString file;         // FILE: an image or a data-set file to open at the start
    QString error;        // empty when the command line is usable
};

// Parses the arguments (arguments[0] is the program). --help and --version
// are recognised even when the rest of the line is refused.
StartCommandLine parseStartCommandLine(const QStringList& arguments);

// The text --help prints, once the application's name and version are set.
QString startHelpText();

} // namespace tracol
