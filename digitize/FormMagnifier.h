#pragma once
// FormMagnifier "拡大表示": a pane beside the image window that shows the
// image round the pointer enlarged 2x to 8x, with a cross-hair on the exact
// image pixel a click would take. The arrow keys and the mouse move it alike.

#include "ui/Windows.h"

#include <QPoint>
#include <QWidget>

namespace tracol {

class FormMagnifier : public QWidget, public MagnifierLink {
    Q_OBJECT
  public:
    static constexpr int kMinEnlargement = 2, kMaxEnlargement = 8;

    explicit FormMagnifier(Windows& windows, QWidget* parent = nullptr);

    // MagnifierLink
    QWidget& window() override { return *this; }
    void setActive(bool active) override;
    bool isActive() const override { return active_; }
    void followPointer(QPoint pixel) override;
    void changeEnlargement(int steps) override;

    int enlargement() const { return enlargement_; }
    QPoint pixel() const { return pixel_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeBesideImageWindow();

    Windows& windows_;
    bool active_ = false;
    int enlargement_ = 4;
    QPoint pixel_;
};

} // namespace tracol
