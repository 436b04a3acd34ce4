#pragma once
// Tests fire a window's timer at once instead of waiting for its interval.

#include <QTimer>

namespace tracol::testing {

inline void fireTimer(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace tracol::testing
