#include "output/WorksheetFile.h"

namespace tracol {

WorksheetFile::WorksheetFile(const QString& path) : file_(path), encoder_("windows-31j") {}

bool WorksheetFile::fail(const QString& why) {
    if (!failed_) {
        failed_ = true;
        error_ = why;
        file_.cancelWriting();
    }
    return false;
}

bool WorksheetFile::AppendWorksheetLine(const QString& text) {
    if (failed_)
        return false;
    if (!opened_) {
        if (!file_.open(QIODevice::WriteOnly))
            return fail(file_.errorString());
        opened_ = true;
    }
    const QByteArray bytes = encoder_.encode(text + QStringLiteral("\r\n"));
    if (encoder_.hasError())
        return fail(QStringLiteral("text not representable in code page 932"));
    if (file_.write(bytes) != bytes.size())
        return fail(file_.errorString());
    return true;
}

bool WorksheetFile::finish() {
    if (failed_)
        return false;
    if (!opened_ && !file_.open(QIODevice::WriteOnly))
        return fail(file_.errorString());
    opened_ = false;
    if (!file_.commit()) {
        failed_ = true;
        error_ = file_.errorString();
        return false;
    }
    return true;
}

} // namespace tracol
