#pragma once
// GrForm35 "計算状況目安": the progress window of a computation. A bar of "*"
// grows with the fits evaluated against the fits expected; "中止" stops the
// computation after its current trial.

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace tracol {

class GrForm35 : public QWidget, public ProgressWindowLink {
    Q_OBJECT
  public:
    GrForm35(SharedState& state, Windows& windows, QWidget* parent = nullptr);

    // ProgressWindowLink
    QWidget& window() override { return *this; }
    void start(QWidget& screen) override;
    void stop() override;
    void updateBar() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void abort(); // Command1 中止

    SharedState& state_;
    Windows& windows_;
    QLabel* Label1 = nullptr;        // the bar of "*"
    QPushButton* Command1 = nullptr; // 中止
    QTimer* Timer1 = nullptr;        // follows FitCount, 1300 ms
};

} // namespace tracol
