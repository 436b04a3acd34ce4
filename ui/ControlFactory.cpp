#include "ui/ControlFactory.h"

#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tracol {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                  int height) {
    auto* label = named(new QLabel(text, parent), name);
    setTwipsGeometry(label, left, top, width, height);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* box = named(new QLineEdit(parent), name);
    setTwipsGeometry(box, left, top, width, height);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                        int width, int height) {
    auto* button = named(new QPushButton(caption, parent), name);
    setTwipsGeometry(button, left, top, width, height);
    return button;
}

QLabel* makeNoteField(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                      int height) {
    QLabel* field = makeLabel(parent, name, text, left, top, width, height);
    field->setWordWrap(true);
    field->setFrameShape(QFrame::Box);
    field->setAutoFillBackground(true);
    field->hide();
    return field;
}

void showWindow(QWidget* window) {
    if (!window)
        return;
    window->setEnabled(true);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tracol
