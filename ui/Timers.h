#pragma once
// The named timers of the windows ("Timer1", …), made in one line each. Tests
// fire them by name (QMetaObject::invokeMethod(timer, "timeout")) instead of
// waiting.

#include "ui/ControlFactory.h"

#include <QTimer>

namespace tracol {

enum class TimerKind { Repeating, OneShot };

inline QTimer* makeTimer(QObject* parent, const QString& name, int intervalMs,
                         TimerKind kind = TimerKind::Repeating) {
    auto* timer = named(new QTimer(parent), name);
    timer->setInterval(intervalMs);
    timer->setSingleShot(kind == TimerKind::OneShot);
    return timer;
}

} // namespace tracol
