#pragma once
// The few services of the desktop that the windows use directly: the beep,
// the clipboard, the desktop's "open" of a file, and the mouse pointer kinds
// of the windows.

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
// Puts a text / an image on the clipboard (replacing what it held).
void setClipboardText(const QString& text);
void setClipboardImage(const QImage& image);

// The desktop's "open" of a file with the application registered for its
// type (on Debian through xdg-open; tests register a handler for "file").
enum class DesktopOpen {
    Opened,        // handed to the application
    NoApplication, // no application is registered for the file's type
};
DesktopOpen openWithDesktop(const QString& path);

} // namespace tracol
