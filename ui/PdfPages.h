#pragma once
// The pages of a PDF file as graph images: a vector graph printed to PDF, or
// a scan saved as one, becomes the picture a page at a time, rendered at a
// chosen resolution on white paper.

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QPdfDocument;

namespace tracol {

class PdfPages {
  public:
    static constexpr int kMinDpi = 50, kMaxDpi = 1200, kDefaultDpi = 300;

    PdfPages();
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // Opens the file at `path` in place of the one open before. Empty when
    // it holds at least one page; else a Japanese message saying why not
    // (missing, not a PDF or broken, protected by a password), and no file
    // is open.
    QString open(const QString& path);
    void close();
    int pageCount() const; // 0 when no file is open

    // The pixels of page `page` (1..pageCount) at `dpi`: its size in points
    // (1/72 inch) times dpi / 72.
    QSize pixelSize(int page, int dpi) const;
    // The highest resolution at which the page stays within the largest
    // image the program opens (ImageFiles.h).
    int largestDpi(int page) const;
    // The page at `dpi`, opaque, on white; null when it could not be made.
    QImage render(int page, int dpi) const;

  private:
    std::unique_ptr<QPdfDocument> document_;
};

} // namespace tracol
