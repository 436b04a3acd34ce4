#pragma once
// The command line of tracol-fit: its options, their parsing and the help text.

#include <QString>
#include <QStringList>

#include <optional>

namespace tracol::fitcommand {

// Exit statuses of tracol-fit.
enum ExitStatus : int {
    kExitOk = 0,
    kExitFileError = 1,   // a file could not be read or written
    kExitRefusedInput = 2 // bad options, refused data or refused conditions
};

struct FitOptions {
    // Calculation conditions as typed in the conditions window; an option not
    // given keeps the standard value.
    std::optional<QString> cutoff;         // --cutoff E: cutoff error (Text2)
    std::optional<QString> mode;           // --mode 0|1|2: error evaluation mode (Text1)
    std::optional<QString> sections;       // --sections 1|2|3: maximum sections (Text3)
    QString systems = QStringLiteral("A"); // --systems: included coordinate systems, letters A..G
    bool trace = false;                    // --trace: print List1 first
    QString resultPath;                    // --result FILE: the all-results file
    QString worksheetPath;                 // --worksheet FILE
    QString csvPath;                       // --csv FILE: graph data
    QString dataFile;                      // DATAFILE
    bool help = false;                     // --help
    bool version = false;                  // --version
};

struct ParsedCommandLine {
    FitOptions options;
    QString error; // empty when the command line is usable
};

// Parses the arguments (arguments[0] is the program).
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The text --help prints.
QString helpText();

// One line telling how to call the command, for usage errors.
QString usageLine();

} // namespace tracol::fitcommand
