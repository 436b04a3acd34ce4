#pragma once
// Window layouts are given in twips (1/1440 inch); at the usual 96 dots per
// inch 15 twips make one pixel.

#include <QWidget>

namespace tracol {

inline int twipsToPixels(double twips) {
    return qRound(twips / 15);
}

constexpr int pixelsToTwips(int pixels) {
    return pixels * 15;
}

inline void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    if (widget)
        widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                            twipsToPixels(height));
}

} // namespace tracol
