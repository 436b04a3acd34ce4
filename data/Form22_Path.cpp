// Form22: a file named outside the dialog (the command line, a drop) opened as
// "決定" opens a chosen one: a PDF file, an image or a data-set file.

#include "data/Form22.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>

namespace tracol {

namespace {

// The extensions of the data pattern "*.DA*;*.TX*;*.DO*;*.WR*".
bool hasDataExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const char* start : {"da", "tx", "do", "wr"}) {
        if (suffix.startsWith(QLatin1String(start), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// A data-set file is text, and some image readers guess formats without a
// signature from any bytes: a data extension decides first. Then the content
// tells an image (a BMP, JPEG, PNG, GIF, TIFF or WebP whatever its name), and
// an image's extension one that cannot be read (missing or broken), so that
// the image reader says why.
bool isImageFile(const QString& path) {
    if (hasDataExtension(path))
        return false;
    if (!QImageReader::imageFormat(path).isEmpty())
        return true;
    return QImageReader::supportedImageFormats().contains(QFileInfo(path).suffix().toLower().toLatin1());
}

// A PDF file by its extension or by its signature; a data extension decides first.
bool isPdfFile(const QString& path) {
    if (hasDataExtension(path))
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

bool Form22::openPath(const QString& path) {
    const bool pdf = isPdfFile(path);
    const bool image = !pdf && isImageFile(path);
    // The main window asks as its menu items do: it and the image window
    // wait for the dialog.
    QWidget& imageWindow = windows_.imageWindow().window();
    if (imageWindow.isVisible())
        imageWindow.setEnabled(false);
    windows_.mainWindow().window().setEnabled(false);
    open(pdf ? kOpenPdf : image ? kOpenImage : kOpenDataFromMain);
    Text1->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    decide();
    return !isVisible(); // "決定" closes the dialog once the file is open (or a PDF page is asked for)
}

} // namespace tracol
