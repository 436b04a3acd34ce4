#include "FitCommandLine.h"

namespace tracol::fitcommand {

namespace {

// Options that take a value, and where the value goes.
struct ValueOption {
    const char* name;
    void (*store)(FitOptions&, const QString&);
};

const ValueOption kValueOptions[] = {
    {"--cutoff", [](FitOptions& o, const QString& v) { o.cutoff = v; }},
    {"--mode", [](FitOptions& o, const QString& v) { o.mode = v; }},
    {"--sections", [](FitOptions& o, const QString& v) { o.sections = v; }},
    {"--systems", [](FitOptions& o, const QString& v) { o.systems = v; }},
    {"--result", [](FitOptions& o, const QString& v) { o.resultPath = v; }},
    {"--worksheet", [](FitOptions& o, const QString& v) { o.worksheetPath = v; }},
    {"--csv", [](FitOptions& o, const QString& v) { o.csvPath = v; }},
};

const ValueOption* findValueOption(const QString& name) {
    for (const ValueOption& option : kValueOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    FitOptions& options = parsed.options;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            positional.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help")) {
            options.help = true;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            options.version = true;
            continue;
        }
        if (argument == QLatin1String("--trace")) {
            options.trace = true;
            continue;
        }
        // "--name value" or "--name=value".
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const ValueOption* option = findValueOption(name);
        if (!option) {
            parsed.error = QStringLiteral("unknown option %1").arg(name);
            return parsed;
        }
        if (equals >= 0) {
            option->store(options, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            option->store(options, arguments.at(++i));
        } else {
            parsed.error = QStringLiteral("%1 needs a value").arg(name);
            return parsed;
        }
    }
    if (options.help || options.version)
        return parsed;
    if (positional.size() != 1) {
        parsed.error = positional.isEmpty() ? QStringLiteral("no DATAFILE given")
                                            : QStringLiteral("only one DATAFILE may be given");
        return parsed;
    }
    options.dataFile = positional.first();
    return parsed;
}

QString usageLine() {
    return QStringLiteral(
        "usage: tracol-fit [--cutoff E] [--mode 0|1|2] [--sections 1|2|3] [--systems LETTERS] "
        "[--trace] [--result FILE] [--worksheet FILE] [--csv FILE] DATAFILE");
}

QString helpText() {
    return usageLine() + QStringLiteral(R"(

Fits empirical formulas to the Lines of a Tracol data-set file, as the program
does after "数値ﾃﾞｰﾀの呼込み" and "数式算出処理", and prints the results.

DATAFILE is a data-set file written by "全保存" or "選択保存" (code page 932,
one block per Line: "parameter, 1 , N" and N lines "X,Y"). Its Lines are
checked as the DataSet window checks them before a computation.

Calculation conditions (the rules of the conditions window's "決定"; options
not given keep the standard conditions):
  --cutoff E         cutoff error, greater than 0 and less than 0.75
                     (standard 0.00076); E or D may start the exponent
  --mode 0|1|2       error evaluation: 0 largest section error, 1 mean of all
                     section errors weighted by their points, 2 the same
                     over the two largest (standard 2)
  --sections 1|2|3   maximum number of sections of a Line (standard 3); a
                     value from 0.5 up to 3.01 is rounded (2.5 gives 2)
  --systems LETTERS  coordinate systems to fit, any of A..G in either case
                     (standard A):
                     A X-Y, B Ln(X)-Y, C X-Ln(Y), D Ln(X)-Ln(Y), E 1/X-Y,
                     F X-1/Y, G 1/X-1/Y

Output:
  standard output    the result details (List2), the relation lines (List3)
                     and the conditions report (List4), in UTF-8, one list
                     line per line
  --trace            print the fitting trace (List1) before them
  --result FILE      also write the "全結果保存" file (data sets, summary,
                     equations, relation formulas; code page 932)
  --worksheet FILE   also write the worksheet of "図算出表(Excel)表示": a CSV
                     file with live formulas that a spreadsheet computes
                     (the equation of the Lines around Para= at X=; code
                     page 932)
  --csv FILE         also write the graph data of "CSV_File": the points of
                     every Line and up to 30 points on every section's curve
                     (code page 932; a name not ending in .csv is written
                     all the same, with "拡張子がCSVではない。ＯＫ？" on
                     standard error)
  --help             print this text
  --version          print the version of tracol-fit

An option's value may also follow an equals sign (--mode=1); "--" ends the
options, so that a DATAFILE may begin with "--". A Line with more than 100
points is computed with its first 100, and a notice says so on standard error.

Exit status:
  0  the computation ran and every file asked for was written
  1  a file could not be read ("ﾌｧｲﾙ名不正") or written ("書込めません。")
  2  refused input: a bad command line, a data file the program refuses
     ("ﾌｧｲﾙ内容不正"), Lines refused before a computation (for example
     "データが少ない") or conditions refused ("入力ｴﾗｰ", "計算座標系なし");
     the program's own message is printed on standard error
)");
}

} // namespace tracol::fitcommand
