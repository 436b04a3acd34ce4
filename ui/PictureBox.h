#pragma once
// A picture box: shows an image at its pixel size and lets the windows draw
// marks, lines and circles over it in twips of the image's pixels (pixel x 15).
// Drawings stay until the picture is repainted from its image (clearDrawings),
// the way marks on the graph image are erased.
//
// The drawings lie over the image instead of being painted into a copy of
// it: a scan can take a gigabyte, and the image is shared, not copied, with
// every other box that shows it (the clean copy of Form23).

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <vector>

class QPainter;

namespace tracol {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The image shown, as given; an empty image leaves an empty box.
    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }
    bool hasPicture() const { return !image_.isNull(); }
    // The image with every drawing on it, as the user sees it (the image
    // itself while nothing is drawn).
    QImage drawnPicture() const;

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
    // A line from `from` to `to`, or a circle round `from` of `radius`, in pixels.
    struct Drawing {
        bool circle = false;
        QPointF from, to;
        double radius = 0;
        QColor colour;
        int width = 1;
    };
    void draw(const Drawing& drawing);
    void paintDrawings(QPainter& painter) const;

    QImage image_;
    std::vector<Drawing> drawings_;
    int drawWidth_ = 1;
    bool pressed_ = false;
};

} // namespace tracol
