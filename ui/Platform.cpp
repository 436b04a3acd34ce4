#include "ui/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tracol {

namespace {
const char* const kPointerProperty = "pointerKind";
}

void setPointer(QWidget* window, PointerKind kind) {
    if (!window)
        return;
    switch (kind) {
    case PointerKind::Arrow:
        window->setCursor(Qt::ArrowCursor);
        break;
    case PointerKind::Cross:
        window->setCursor(Qt::CrossCursor);
        break;
    case PointerKind::Icon:
        window->setCursor(Qt::PointingHandCursor);
        break;
    }
    window->setProperty(kPointerProperty, static_cast<int>(kind));
}

PointerKind pointerOf(const QWidget* window) {
    const QVariant kind = window ? window->property(kPointerProperty) : QVariant();
    return kind.isValid() ? static_cast<PointerKind>(kind.toInt()) : PointerKind::Arrow;
}

void beep() {
    QApplication::beep();
}

void clearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

QImage clipboardImage() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasImage())
        return {};
    return clipboard->image();
}

} // namespace tracol
