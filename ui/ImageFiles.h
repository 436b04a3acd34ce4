#pragma once
// Reading graph images from files. Scans are large (an A4 page at 600 dpi is
// 4960 x 7016 pixels): the image reader's allocation limit is raised from
// the toolkit's 256 MB so that images up to 16 000 x 16 000 pixels open.

#include <QImage>
#include <QString>

namespace tracol {

// 16 000 x 16 000 pixels of 4 bytes take 977 MB.
constexpr int kLargestImageMegabytes = 1024;

// Raises the image reader's allocation limit; once at start-up.
void allowLargeImages();

// An image of `size` at 4 bytes a pixel stays within that limit.
bool fitsLargestImage(QSize size);

struct ImageFileRead {
    QImage image;    // null when the file could not be read
    QString message; // for the open dialog's message field when it could not
};

// Reads the image at `path`, its format decided by the content. A file that
// cannot be opened as an image gives a Japanese message with the toolkit's
// reason after it.
ImageFileRead readImageFile(const QString& path);

} // namespace tracol
