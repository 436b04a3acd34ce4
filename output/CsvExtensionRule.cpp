#include "output/CsvExtensionRule.h"

#include <QFileInfo>

namespace tracol {

QString csvExtensionWarning(qint16 csvPurpose, const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName(); // a dot in a folder name does not count
    const qsizetype dot = name.indexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1, 3).toLower();
    if (csvPurpose == kCsvPurposeGraphData && extension != QLatin1String("csv"))
        return QStringLiteral("拡張子がCSVではない。ＯＫ？");
    if (csvPurpose == kCsvPurposeKeyboardData && extension != QLatin1String("dat") &&
        extension != QLatin1String("txt"))
        return QStringLiteral("拡張子がDAT又はTXTではない。ＯＫ？");
    return {};
}

} // namespace tracol
