#pragma once
// Making the controls of a window: each gets its objectName (the name the
// windows and the tests reach it by) and its place, in pixels or in twips.

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tracol {

// Name of control k of an indexed group: indexedName("Option1", 0) == "Option1(0)".
inline QString indexedName(const QString& group, int index) {
    return group + u'(' + QString::number(index) + u')';
}

template <typename T> T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

template <typename T> T* named(T* widget, const QString& name, const QRect& geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// Controls placed in twips (left, top, width, height).
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                  int height = 300);
QLineEdit* makeBox(QWidget* parent, const QString& name, int left, int top, int width, int height = 300);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                        int width, int height);

// A hidden field for messages, hints or help: a framed label on a filled
// background whose text wraps, placed in twips.
QLabel* makeNoteField(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                      int height);

// Bringing another window up: enabled, shown and in front. Does nothing when
// the window is not there.
void showWindow(QWidget* window);

} // namespace tracol
