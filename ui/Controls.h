#pragma once
// Reaching a window's control by its name ("Text3", "Option1(0)"), the way
// the windows address each other's controls and the tests drive them. Every
// helper does nothing when the window or the control is not there.

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace tracol {

// Name of control k of an indexed group: indexedName("Option1", 0) == "Option1(0)".
inline QString indexedName(const QString& group, int index) {
    return group + u'(' + QString::number(index) + u')';
}

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
