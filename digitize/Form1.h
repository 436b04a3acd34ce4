#pragma once
// Form1 "終了画面": asks whether to end Tracol when the main window or the
// image window is closed.

#include "ui/WindowLinks.h"

#include <QWidget>

namespace tracol {

class Windows;

class Form1 : public QWidget, public ExitQuestionLink {
    Q_OBJECT
  public:
    explicit Form1(Windows& windows, QWidget* parent = nullptr);

    // ExitQuestionLink
    QWidget& window() override { return *this; }
    void ask() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void cancel();
    Windows& windows_;
};

} // namespace tracol
