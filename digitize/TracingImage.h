#pragma once
// The graph image as the curve tracing reads it: a plain buffer of 0xAARRGGBB
// pixels, row after row. The image window fills it from its picture (an
// image in 32-bit RGB form, `stride` = bytes per line / 4) and keeps the
// pixels alive while the tracing runs; alpha is ignored.
//
// Positions on the image are in pixel coordinates whose whole numbers are the
// pixel centres: pixel (i, j) lies at (i, j), the same place a click on that
// pixel is reported at, so a position p is the picture position 15 p twips.

#include <QtGlobal>

namespace tracol {

struct TracingImage {
    int width = 0;
    int height = 0;
    qsizetype stride = 0; // pixels from one row to the next
    const quint32* pixels = nullptr;

    bool isEmpty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    quint32 pixel(int x, int y) const { return pixels[y * stride + x]; }
};

} // namespace tracol
