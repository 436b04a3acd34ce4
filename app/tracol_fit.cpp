// tracol-fit: fit the Lines of a data-set file from the command line and
// print the computation screen's lists (see --help).

#include "FitCommand.h"
#include "FitCommandLine.h"
#include "TracolVersion.h"

#include <QCoreApplication>
#include <QStringConverter>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tracol-fit"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tracol::kTracolVersion));

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    using namespace tracol::fitcommand;
    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments());
    if (!parsed.error.isEmpty()) {
        err << "tracol-fit: " << parsed.error << '\n' << usageLine() << '\n';
        return kExitRefusedInput;
    }
    if (parsed.options.help) {
        out << helpText();
        return kExitOk;
    }
    if (parsed.options.version) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return kExitOk;
    }
    const int status = runFitCommand(parsed.options, out, err);
    out.flush();
    err.flush();
    return status;
}
