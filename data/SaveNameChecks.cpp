#include "data/SaveNameChecks.h"

#include "core/CodePage932.h"
#include "core/NumericText.h"
#include "data/DataSetFile.h"

#include <QDir>
#include <QFile>

namespace tracol {

namespace {

qsizetype lastSeparator(const QString& path) {
    return qMax(path.lastIndexOf(u'/'), path.lastIndexOf(QDir::separator()));
}

} // namespace

QString fileNameOfPath(const QString& path) {
    QString name = path.mid(lastSeparator(path) + 1);
    name.remove(u' ');
    return name;
}

QString folderOfPath(const QString& path) {
    const qsizetype separator = lastSeparator(path);
    if (separator < 0)
        return QString();
    QString folder = path.left(separator);
    // "/name" or "C:\name": the folder is the root itself.
    if (folder.isEmpty() || (folder.size() == 2 && folder.at(1) == u':'))
        folder += path.at(separator);
    return folder;
}

bool isAcceptableSaveName(const QString& path) {
    const QString name = path.mid(lastSeparator(path) + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0 || name.size() < 4)
        return false;
    return name.size() - dot - 1 >= 2;
}

bool needsFirstLineCheck(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QString extension = fileName.mid(dot + 1);
    const QString head = extension.left(extension.size() - 1);
    return head == QStringLiteral("TX") || head == QStringLiteral("DA") || head == QStringLiteral("DO");
}

bool firstLineLooksLikeData(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray head = file.read(64 * 1024);
    QByteArrayView bytes = file.atEnd() ? cp932::withoutEndOfFileMark(head) : QByteArrayView(head);
    // Line breaks are below every trail byte: the line can be cut before decoding.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            bytes = bytes.first(i);
            break;
        }
    }
    const std::optional<QString> line = cp932::decode(bytes);
    if (!line)
        return false;
    // A file this program wrote starts with a block header, whatever text its
    // parameter is ("温度A, 1 , 12").
    if (isDataSetHeaderLine(*line))
        return true;
    static const QString allowed = numtext::kSaveDialogChars + QStringLiteral("\t");
    return numtext::allCharsIn(*line, allowed);
}

} // namespace tracol
