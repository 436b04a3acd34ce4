#include "output/WorksheetFile.h"

#include "core/CodePage932.h"

namespace tracol {

WorksheetFile::WorksheetFile(const QString& path) : file_(path) {}

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
    const cp932::EncodedText encoded = cp932::encode(QString(text + QStringLiteral("\r\n")));
    if (!encoded.ok()) {
        unwritableMessage_ = cp932::unwritableCharacterMessage(encoded.unwritable);
        return fail(unwritableMessage_);
    }
    const QByteArray& bytes = encoded.bytes;
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
