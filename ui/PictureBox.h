#pragma once
// A picture box: shows an image and lets the windows draw marks, lines and
// circles over it in twips of the image's pixels (pixel x 15), whatever the
// zoom it is shown at. Drawings stay until the picture is repainted from its
// image (clearDrawings), the way marks on the graph image are erased.
//
// The drawings lie over the image instead of being painted into a copy of
// it: a scan can take a gigabyte, and the image is shared, not copied, with
// every other box that shows it (the clean copy of Form23).
//
// Beside the drawings the box keeps two overlays that clearDrawings leaves
// alone: the markers of the Lines' points and the preview of a traced curve.
// At a zoom above 1:1 a press takes the image pixel under the pointer, so a
// position is the same at every zoom; the arrow keys move the pointer by one
// image pixel (ten with Shift) and Enter clicks where it is.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <vector>

class QPainter;

namespace tracol {

// A point of a Line drawn over the image.
struct PointMarker {
    QPointF position; // twips
    QColor colour;
    bool emphasised = false; // a point of the Line that receives points
};

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The image shown, as given; an empty image leaves an empty box.
    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }
    bool hasPicture() const { return !image_.isNull(); }
    // The image with every drawing on it, as the user sees it at 1:1 (the
    // image itself while nothing is drawn).
    QImage drawnPicture() const;

    // Repaints the picture from its image: every drawing disappears.
    void clearDrawings();

    // Line width of later drawings, in pixels of the screen.
    void setDrawWidth(int width) { drawWidth_ = width; }
    int drawWidth() const { return drawWidth_; }
    // Drawings get a white edge under them, so that a dark mark stands out
    // on a black axis.
    void setDrawingsOutlined(bool outlined);

    // Positions and lengths in twips from the top left of the image.
    void drawLine(QPointF from, QPointF to, const QColor& color);
    void drawCircle(QPointF centre, double radius, const QColor& color);

    // The overlays.
    void setPointMarkers(std::vector<PointMarker> markers);
    const std::vector<PointMarker>& pointMarkers() const { return markers_; }
    void setTracePreview(std::vector<QPointF> path, std::vector<QPointF> points, const QColor& colour);
    void clearTracePreview();
    bool hasTracePreview() const { return !tracePath_.empty() || !tracePoints_.empty(); }

    // Widget pixels per image pixel (1 = 1:1); the box takes the image's
    // size times the zoom.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    // Twips of a position in widget pixels, and back, at the box's zoom.
    QPointF widgetToTwips(QPointF widget) const;
    QPointF twipsToWidget(QPointF twips) const;
    // Twips of a position in image pixels, and back (1:1).
    static QPointF toTwips(QPointF pixels);
    static QPointF toPixels(QPointF twips);

    // The image pixel under the pointer (the one a click would take).
    QPoint pointerPixel() const { return pointerPixel_; }

    // The image around `centre` (image pixels), `scale` widget pixels to an
    // image pixel, with the drawings and overlays, onto `target`.
    void paintMagnified(QPainter& painter, const QRect& target, QPointF centre, double scale) const;

  signals:
    // Positions in twips of the image.
    void mousePressed(QPointF position);
    void mouseMoved(QPointF position);
    void clicked();
    void doubleClicked();
    // The pointer moved with the arrow keys to an image pixel.
    void pointerMovedByKeys(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  public:
    // The image's size times the zoom.
    QSize sizeHint() const override;

  protected:
  private:
    // A line from `from` to `to`, or a circle round `from` of `radius`, in
    // image pixels.
    struct Drawing {
        bool circle = false;
        QPointF from, to;
        double radius = 0;
        QColor colour;
        int width = 1;
    };
    void draw(const Drawing& drawing);
    // Painting in image pixels (the painter scaled to the zoom); pens keep
    // their width on the screen.
    void paintDrawings(QPainter& painter) const;
    void paintOverlays(QPainter& painter, double scale) const;
    QPoint pixelAt(QPointF widget) const;
    QPointF pixelTwips(QPoint pixel) const;

    QImage image_;
    std::vector<Drawing> drawings_;
    std::vector<PointMarker> markers_;
    std::vector<QPointF> tracePath_, tracePoints_; // image pixels
    QColor traceColour_;
    int drawWidth_ = 1;
    bool outlined_ = false;
    double zoom_ = 1;
    bool pressed_ = false;
    QPoint pointerPixel_;
};

} // namespace tracol
