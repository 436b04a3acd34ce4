#pragma once
// A picture box: shows an image at its pixel size and lets the windows draw
// marks, lines and circles over it in twips of the image's pixels (pixel x 15).
// Drawings stay until the picture is repainted from its image (clearDrawings),
// the way marks on the graph image are erased.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

namespace tracol {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The image shown; an empty image leaves an empty box.
    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }
    bool hasPicture() const { return !image_.isNull(); }
    // The image with every drawing on it, as the user sees it.
    const QImage& drawnPicture() const { return canvas_; }

    // Repaints the picture from its image: every drawing disappears.
    void clearDrawings();

    // Line width of later drawings, in pixels.
    void setDrawWidth(int width) { drawWidth_ = width; }
    int drawWidth() const { return drawWidth_; }

    // Positions and lengths in twips from the top left of the image.
    void drawLine(QPointF from, QPointF to, const QColor& color);
    void drawCircle(QPointF centre, double radius, const QColor& color);

    // Twips of a position in widget pixels, and back.
    static QPointF toTwips(QPointF pixels);
    static QPointF toPixels(QPointF twips);

  signals:
    // Positions in twips of the image.
    void mousePressed(QPointF position);
    void mouseMoved(QPointF position);
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

  private:
    QImage image_;
    QImage canvas_;
    int drawWidth_ = 1;
    bool pressed_ = false;
};

} // namespace tracol
