#pragma once
// The plot screen's picture Picture1: holds gathered plot data and the scene
// laid out from it for the widget's size, paints the scene with the plot
// painter, and reports mouse presses in picture coordinates.
//
// Resizing lays the same data out again for the new size (margins, scale
// factors, labelled marks) when the scene is next needed; it neither reads
// the shared state nor samples a curve, let alone fits. New data comes only from the window, through
// setPlotData after gatherPlotData (output/PlotModel.h).
//
// Picture coordinates are drawing units (twips) from the top left of the
// picture: 15 per widget pixel.

#include "output/PlotData.h"
#include "output/PlotScene.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace tracol {

class PlotView : public QWidget {
    Q_OBJECT
  public:
    explicit PlotView(QWidget* parent = nullptr);

    // Shows the data laid out for the current size. Data with an unusable
    // range is not taken (false): the picture keeps what it shows, as a
    // redraw of an unusable range draws nothing.
    bool setPlotData(const PlotData& plot);
    const PlotData& plotData() const { return data_; }
    bool hasPlot() const { return scene().usable; }

    // "Para表示" / "再 描 画" on the plot shown: the same data with or
    // without the Parameter labels.
    void setParametersShown(bool shown);

    // The picture's background: light grey on screen, white for "H Copy".
    void setBackground(const PlotColour& colour);

    // The scene shown (mapping, ranges, scale factors for the readouts),
    // laid out for the current size.
    const PlotScene& scene() const;

    // The drawing area in picture coordinates: the widget's size in twips.
    QSizeF area() const;

    // The picture as shown, for the clipboard.
    QImage renderImage() const;

  signals:
    // A mouse press at a picture position; leftButton is false for any other
    // button (which copies the picture to the clipboard).
    void pressed(QPointF picture, bool leftButton);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    PlotScene laidOut() const;
    void layOut();

    PlotData data_;
    mutable PlotScene scene_; // laid out again when the size changed
    PlotTextMeasure measure_;
    PlotColour background_ = kPlotScreenBackground;
};

} // namespace tracol
