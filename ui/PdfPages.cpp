#include "ui/PdfPages.h"

#include "ui/ImageFiles.h"

#include <QPdfDocument>

#include <cmath>

namespace tracol {

namespace {

QString loadMessage(QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::None:
        return {};
    case QPdfDocument::Error::FileNotFound:
        return QStringLiteral("PDFファイルが見つかりません。");
    case QPdfDocument::Error::InvalidFileFormat:
        return QStringLiteral("PDFファイルとして読み込めません。（PDFではないか、ファイルが壊れています）");
    case QPdfDocument::Error::IncorrectPassword:
        return QStringLiteral("パスワードで保護されたPDFファイルは読み込めません。");
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("このPDFファイルの保護方式には対応していません。");
    default:
        return QStringLiteral("PDFファイルを読み込めません。");
    }
}

} // namespace

PdfPages::PdfPages() : document_(std::make_unique<QPdfDocument>()) {}

PdfPages::~PdfPages() = default;

QString PdfPages::open(const QString& path) {
    document_->close();
    QString message = loadMessage(document_->load(path));
    if (message.isEmpty() && document_->pageCount() < 1)
        message = QStringLiteral("PDFファイルにページがありません。");
    if (!message.isEmpty())
        document_->close();
    return message;
}

void PdfPages::close() {
    document_->close();
}

int PdfPages::pageCount() const {
    return document_->status() == QPdfDocument::Status::Ready ? document_->pageCount() : 0;
}

QSize PdfPages::pixelSize(int page, int dpi) const {
    const QSizeF points = document_->pagePointSize(page - 1);
    return {static_cast<int>(std::lround(points.width() * dpi / 72.0)),
            static_cast<int>(std::lround(points.height() * dpi / 72.0))};
}

int PdfPages::largestDpi(int page) const {
    int dpi = kMaxDpi;
    while (dpi > 1 && !fitsLargestImage(pixelSize(page, dpi)))
        --dpi;
    return dpi;
}

QImage PdfPages::render(int page, int dpi) const {
    const QSize size = pixelSize(page, dpi);
    if (!fitsLargestImage(size))
        return {};
    QImage image = document_->render(page - 1, size);
    if (image.isNull())
        return {};
    // The renderer leaves the paper transparent: laid on white, in place, so
    // that the colour under a click is the colour the page shows.
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int clear = 255 - qAlpha(p);
            line[x] = qRgb(qRed(p) + clear, qGreen(p) + clear, qBlue(p) + clear);
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

} // namespace tracol
