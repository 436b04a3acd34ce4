#pragma once
// Form1 "終了画面": asks whether to end Tracol when the main window or the
// image window is closed.

#include "ui/WindowLinks.h"

#include <QPointer>
#include <QWidget>

#include <array>

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
    // A window the question disabled, and how it was before.
    struct Held {
        QPointer<QWidget> window;
        bool shown = false;
        bool enabled = false;
    };

    void cancel();
    Windows& windows_;
    std::array<Held, 2> before_; // the main window and the image window
};

} // namespace tracol
