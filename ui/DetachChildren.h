#pragma once
// A window being destroyed must not hear from its controls any more: a box
// that loses the focus while it goes would otherwise call into a window that
// is half gone. Windows call this first thing in their destructor.

#include <QObject>

namespace tracol {

inline void detachChildren(QObject* owner) {
    for (QObject* child : owner->findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, owner, nullptr);
        child->removeEventFilter(owner);
    }
}

} // namespace tracol
