#pragma once
// MDIForm20 "TracolGraph": the image window. It shows the graph image and
// turns clicks on it into calibration marks and data points of the current
// Line; a floating label and two guide lines follow the pointer.

#include "core/SharedState.h"
#include "digitize/BasePointMarking.h"
#include "ui/Windows.h"

#include <QWidget>

class QAction;
class QFrame;
class QLabel;
class QScrollArea;
class QToolBar;

namespace tracol {

class PictureBox;

class MDIForm20 : public QWidget, public ImageWindowLink, private MarkingView {
    Q_OBJECT
  public:
    static inline const QColor kGuideColour{192, 192, 255};

    MDIForm20(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~MDIForm20() override;

    PictureBox* picture() const { return Picture1; }

    // ImageWindowLink
    QWidget& window() override { return *this; }
    PictureBox& pictureBox() override { return *Picture1; }
    void showAtStart() override;
    void layOutPicture() override;
    void showImage(const QImage& image, const QString& caption) override;
    void showFloatingLabel(const QString& caption) override;
    void hideFloatingLabel() override;
    void setFloatingLabelText(const QString& caption) override;
    void hideCursorFollowers() override;
    void followCursor() override;
    void updateMarkSize() override;
    // A mark: a circle of 0.12 x MarkSize and a cross of arms MarkArm (twips).
    void drawMark(double x, double y, const QColor& colour) override;
    void drawXAxisLine() override;
    void drawYAxisLine() override;
    // The zoom and the markers (MDIForm20_Overlays.cpp).
    void setZoom(Zoom zoom) override;
    void setPointMarkersShown(bool shown) override;
    void refreshPointMarkers() override;
    void showTraceCommand(QAction& command) override;
    bool pointMarkersShown() const { return markersShown_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CalibrationPanel& panel() const { return windows_.calibrationPanel(); }
    void pictureMouseDown(QPointF position);
    void pictureMouseMove(QPointF position);
    void pictureClicked();
    void pictureDoubleClicked();
    // Returns false when the click was refused with a message.
    bool samplingStep(bool resetMarkMode);
    void placeMainWindows();
    // MDIForm20_Overlays.cpp
    void zoomByWheel(int steps); // Ctrl and the wheel over the picture
    void fitZoomToWindow();

    // MarkingView
    void checkBaseBox(int box) override;
    void drawBaseMark(double x, double y) override;
    void showPosition(qint32 x, qint32 y) override;
    void showMessage(const QString& message) override;

    SharedState& state_;
    Windows& windows_;
    QScrollArea* scroll_ = nullptr;
    QToolBar* tools_ = nullptr;       // TraceToolBar: the main window's TRACE within reach
    QAction* traceCommand_ = nullptr; // TRACE, checked: the next click traces
    PictureBox* Picture1 = nullptr;   // the graph image
    QLabel* Label1 = nullptr;         // floating label: Xmin, Xmax, Ymin, Ymax, Xmid, Ymid
    QFrame* Line1 = nullptr;          // vertical guide line through the pointer
    QFrame* Line2 = nullptr;          // horizontal guide line through the pointer
    bool placedWithoutFrame_ = false; // placed at start before the desktop framed the window
    bool markersShown_ = true;        // POINTMARKS: the Lines' points drawn over the image
    Zoom zoom_ = Zoom::Actual;        // how the picture is shown
};

} // namespace tracol
