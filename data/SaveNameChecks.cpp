#include "data/SaveNameChecks.h"

#include "core/NumericText.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

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
    QByteArray line = file.readLine(64 * 1024);
    QStringDecoder decoder("windows-31j");
    const QString text = decoder(line);
    static const QString allowed = numtext::kSaveDialogChars + QStringLiteral("\t\r\n");
    return numtext::allCharsIn(text, allowed);
}

} // namespace tracol
