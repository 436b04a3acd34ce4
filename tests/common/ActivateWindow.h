#pragma once
// A window made the active one without waiting: the offscreen platform hands
// the activation over as a window-system event, which one round of the event
// loop delivers.

#include <QCoreApplication>
#include <QWidget>

namespace tracol::testing {

inline bool activateNow(QWidget* window) {
    window->activateWindow();
    QCoreApplication::processEvents();
    return window->isActiveWindow();
}

} // namespace tracol::testing
