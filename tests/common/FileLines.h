#pragma once
// The lines of a file the program wrote: code page 932, CR LF after every
// line (the last one's CR LF does not start another line). Empty when the
// file cannot be read.

#include "core/CodePage932.h"

#include <QFile>
#include <QStringList>

namespace tracol::testing {

inline QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = cp932::decode(file.readAll()).value_or(QString());
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

} // namespace tracol::testing
