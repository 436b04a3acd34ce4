#pragma once
// The picture of the image window in the form the curve tracing reads:
// 32-bit RGB pixels, row after row. The TracingImage points into `image`, so
// both travel together and the tracing runs while this object lives.

#include "digitize/TracingImage.h"

#include <QImage>

namespace tracol {

class TracingPicture {
  public:
    explicit TracingPicture(const QImage& picture) : image_(picture.convertToFormat(QImage::Format_RGB32)) {
        pixels_.width = image_.width();
        pixels_.height = image_.height();
        pixels_.stride = image_.bytesPerLine() / 4;
        pixels_.pixels = reinterpret_cast<const quint32*>(image_.constBits());
    }
    TracingPicture(const TracingPicture&) = delete;
    TracingPicture& operator=(const TracingPicture&) = delete;

    const TracingImage& pixels() const { return pixels_; }

  private:
    QImage image_;
    TracingImage pixels_;
};

} // namespace tracol
