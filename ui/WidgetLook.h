#pragma once
// Colours and weights of controls, as the windows switch them between states.

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace tracol {

// Text colour of a box or label.
inline void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Background colour of a box.
inline void setBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

inline void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

// A word-wrapped message label keeps its bottom edge and grows upwards when
// its text needs more than the rows it has.
inline void growUpwardsToFit(QLabel* label) {
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->setGeometry(label->x(), label->geometry().bottom() + 1 - needed, label->width(), needed);
}

} // namespace tracol
