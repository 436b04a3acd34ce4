#pragma once
// The few services of the desktop that the windows use directly: the beep,
// the clipboard's image, and the mouse pointer kinds of the windows.

#include <QImage>
#include <QWidget>

namespace tracol {

// Mouse pointer kinds: 1 arrow, 2 cross, 4 icon.
enum class PointerKind { Arrow = 1, Cross = 2, Icon = 4 };

// Sets the window's pointer; the kind is kept in the property "pointerKind".
void setPointer(QWidget* window, PointerKind kind);
PointerKind pointerOf(const QWidget* window);

// The desktop's beep.
void beep();

// Empties the clipboard.
void clearClipboard();
// The clipboard's image; a null image when it holds none.
QImage clipboardImage();

} // namespace tracol
