#pragma once
// FormTrace "曲線自動追跡": the preview of a curve traced from one click on
// the picture. The traced path and the points that would be appended are
// drawn over the image; the user appends them to the current Line, traces
// again with another number of points, spacing or colour tolerance, or
// cancels. The points are converted and appended exactly as clicks, in one
// step of the Lines' history.

#include "core/SharedState.h"
#include "digitize/CurveTracing.h"
#include "digitize/TracedPoints.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tracol {

class MessageField;

class FormTrace : public QWidget, public TracePreviewLink {
    Q_OBJECT
  public:
    FormTrace(SharedState& state, Windows& windows, QWidget* parent = nullptr);

    // TracePreviewLink
    QWidget& window() override { return *this; }
    void traceAt(QPointF position) override;
    void cancelTrace() override;

    // The curve traced last (refused or not) and the points it gives now,
    // picture positions in twips.
    const TracedCurve& tracedCurve() const { return curve_; }
    const std::vector<QPointF>& previewPoints() const { return points_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The number of points (Text1) and the tolerance (Text2) as typed; no
    // value, with the message shown, when they cannot be used.
    std::optional<int> pointCount();
    std::optional<double> tolerance();
    PointSpacing spacing() const;
    // Sampling runs with a ready calibration; else Text3 says what is needed.
    bool samplingIsReady();
    // Traces at the click kept with the tolerance, and shows the result.
    void trace();
    // The points spaced along the traced curve again and the preview drawn.
    void respace();
    void appendClicked();  // Command1 "追加"
    void retraceClicked(); // Command2 "再追跡"
    void clearPreview();

    SharedState& state_;
    Windows& windows_;
    QLineEdit* Text1 = nullptr;             // number of points, 2..100
    QLineEdit* Text2 = nullptr;             // colour tolerance, RGB distance
    QLabel* Text3 = nullptr;                // message field
    std::array<QRadioButton*, 2> Option1{}; // evenly in X / evenly along the curve
    QPushButton* Command1 = nullptr;        // 追加: the points appended to the current Line
    QPushButton* Command2 = nullptr;        // 再追跡: traced again with the values changed
    QPushButton* Command3 = nullptr;        // キャンセル: nothing appended
    MessageField* message_ = nullptr;       // Text3
    QPoint click_;                          // image pixel clicked
    int announcedLine_ = 0;                 // the Line the preview's message names
    double tracedTolerance_ = kDefaultColourTolerance;
    TracedCurve curve_;
    std::vector<QPointF> points_; // twips
};

} // namespace tracol
