#include "ui/ImageFiles.h"

#include <QImageReader>

namespace tracol {

void allowLargeImages() {
    QImageReader::setAllocationLimit(kLargestImageMegabytes);
}

bool fitsLargestImage(QSize size) {
    if (size.isEmpty())
        return false;
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return bytes <= qint64(kLargestImageMegabytes) * 1024 * 1024;
}

ImageFileRead readImageFile(const QString& path) {
    allowLargeImages(); // also where the program's start-up did not run (tests)
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    ImageFileRead read;
    read.image = reader.read();
    if (read.image.isNull())
        read.message = QStringLiteral("画像ファイルを読み込めません。（") + reader.errorString() + u'）';
    return read;
}

} // namespace tracol
