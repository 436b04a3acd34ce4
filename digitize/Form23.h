#pragma once
// Form23: the hidden holder of the clean copy of the loaded image, from which
// the image window is repainted to erase its marks.

#include "ui/WindowLinks.h"

#include <QWidget>

namespace tracol {

class PictureBox;
class Windows;

class Form23 : public QWidget, public CleanImageLink {
    Q_OBJECT
  public:
    explicit Form23(Windows& windows, QWidget* parent = nullptr);
    PictureBox* picture() const { return Picture1; }

    // CleanImageLink
    PictureBox& cleanPicture() override { return *Picture1; }

  private:
    PictureBox* Picture1 = nullptr; // the clean image
};

} // namespace tracol
