#include "app/StartCommandLine.h"

#include <QCommandLineParser>

namespace tracol {

namespace {

struct StartParser {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    StartParser() {
        parser.setApplicationDescription(QStringLiteral(
            "Tracol: digitizes a graph from its image and fits empirical formulas to its curves.\n"
            "グラフ画像から数値データを読み取り、実験式を算出します。"));
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral(
                "An image (BMP, JPEG, PNG ...) to load into the image window 「TracolGraph」, or a "
                "data-set file (*.DAT, *.TXT ...) to read into the DataSet window, as the open "
                "dialog 「データ呼込み」 does. A file that cannot be opened is shown in the dialog "
                "with its message (\"ﾌｧｲﾙ名不正\", \"ﾌｧｲﾙ内容不正\")."),
            QStringLiteral("[FILE]"));
    }
};

} // namespace

StartCommandLine parseStartCommandLine(const QStringList& arguments) {
    StartParser start;
    StartCommandLine line;
    const bool parsed = start.parser.parse(arguments);
    line.help = start.parser.isSet(start.help) || start.parser.isSet(QStringLiteral("help-all"));
    line.version = start.parser.isSet(start.version);
    const QStringList files = start.parser.positionalArguments();
    if (!parsed)
        line.error = start.parser.errorText();
    else if (files.size() > 1)
        line.error = QStringLiteral("only one FILE may be given");
    else if (!files.isEmpty())
        line.file = files.first();
    return line;
}

QString startHelpText() {
    return StartParser().parser.helpText();
}

} // namespace tracol
