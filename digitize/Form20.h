#pragma once
// Form20 "Tracol_R2.2": the main window, the hub of digitizing.

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QMainWindow>

namespace tracol {

class Form20 : public QMainWindow {
    Q_OBJECT
  public:
    Form20(SharedState& state, Windows& windows, QWidget* parent = nullptr);

  private:
    SharedState& state_;
    Windows& windows_;
};

} // namespace tracol
