#pragma once
// MDIForm20 "TracolGraph": the image window. It shows the graph image and
// turns clicks on it into calibration marks and data points of the current
// Line; a floating label and two guide lines follow the pointer.

#include "core/SharedState.h"
#include "digitize/BasePointMarking.h"
#include "ui/Windows.h"

#include <QColor>
#include <QWidget>

class QFrame;
class QLabel;
class QScrollArea;

namespace tracol {

class Form20;
class PictureBox;

class MDIForm20 : public QWidget, private MarkingView {
    Q_OBJECT
  public:
    static inline const QColor kBaseColour{128, 0, 0}; // colour 4 of the 16-colour palette
    static inline const QColor kMidColour{0, 128, 0};  // colour 2
    static inline const QColor kGuideColour{192, 192, 255};

    MDIForm20(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~MDIForm20() override;

    PictureBox* picture() const { return Picture1; }

    // The floating label Label1 that names the point being marked.
    void showFloatingLabel(const QString& caption);
    void hideFloatingLabel();
    void setFloatingLabelText(const QString& caption);
    // Label1, Line1 and Line2 hidden (the pointer left for the main window).
    void hideCursorFollowers();
    // Label1 and the guide lines moved to the pointer (the live readout).
    void followCursor();

    // MarkSize from the height of "A" in the default font.
    void updateMarkSize();
    // A mark: a circle of 0.12 x MarkSize and a cross of arms MarkArm (twips).
    void drawMark(double x, double y, const QColor& colour);
    void drawXAxisLine() override;
    void drawYAxisLine() override;
    // The picture laid out again after its image changed.
    void layOutPicture();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Form20* mainWindow() const;
    void pictureMouseDown(QPointF position);
    void pictureMouseMove(QPointF position);
    void pictureClicked();
    void pictureDoubleClicked();
    // Returns false when the click was refused with a message.
    bool samplingStep(bool resetMarkMode);
    void placeMainWindows();

    // MarkingView
    void checkBaseBox(int box) override;
    void drawBaseMark(double x, double y) override;
    void showPosition(qint32 x, qint32 y) override;
    void showMessage(const QString& message) override;

    SharedState& state_;
    Windows& windows_;
    QScrollArea* scroll_ = nullptr;
    PictureBox* Picture1 = nullptr; // the graph image
    QLabel* Label1 = nullptr;       // floating label: Xmin, Xmax, Ymin, Ymax, Xmid, Ymid
    QFrame* Line1 = nullptr;        // vertical guide line through the pointer
    QFrame* Line2 = nullptr;        // horizontal guide line through the pointer
};

} // namespace tracol
