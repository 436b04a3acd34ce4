#pragma once
// Reaching a window's control by its name ("Text3", "Option1(0)"), the way
// tests and automation drive the windows. Windows never reach each other's
// controls: they go through the links of WindowLinks.h. The helpers leave a
// missing control alone (and return an empty text), so that a test's own
// assertion reports it.

#include "ui/ControlFactory.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace tracol {

template <typename T> T* control(const QWidget* form, const QString& name) {
    return form ? form->findChild<T*>(name) : nullptr;
}

inline void setControlText(const QWidget* form, const QString& name, const QString& text) {
    if (auto* edit = control<QLineEdit>(form, name))
        edit->setText(text);
}

inline QString controlText(const QWidget* form, const QString& name) {
    const auto* edit = control<QLineEdit>(form, name);
    return edit ? edit->text() : QString();
}

inline void setControlChecked(const QWidget* form, const QString& name, bool checked) {
    if (auto* button = control<QAbstractButton>(form, name))
        button->setChecked(checked);
}

inline bool isControlChecked(const QWidget* form, const QString& name) {
    const auto* button = control<QAbstractButton>(form, name);
    return button && button->isChecked();
}

inline void enableControl(const QWidget* form, const QString& name) {
    if (auto* widget = control<QWidget>(form, name))
        widget->setEnabled(true);
}

inline void stopTimer(const QWidget* form, const QString& name) {
    if (auto* timer = control<QTimer>(form, name))
        timer->stop();
}

} // namespace tracol
