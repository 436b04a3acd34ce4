#include "digitize/Form20.h"

namespace tracol {

Form20::Form20(SharedState& state, Windows& windows, QWidget* parent)
    : QMainWindow(parent), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Tracol_R2.2"));
    windows_.form20 = this;
    (void)state_;
}

} // namespace tracol
