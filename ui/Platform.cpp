#include "ui/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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

void setClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

void setClipboardImage(const QImage& image) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
}

namespace {

// Where the desktop can say which application opens a type (xdg-mime of
// xdg-utils), a type without one is known before anything is started:
// xdg-open would fail later, out of the program's sight.
bool desktopKnowsNoApplicationFor(const QString& path) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(3000))
        return false;
    return query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

DesktopOpen openWithDesktop(const QString& path) {
    if (desktopKnowsNoApplicationFor(path))
        return DesktopOpen::NoApplication;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? DesktopOpen::Opened
                                                                : DesktopOpen::NoApplication;
}

} // namespace tracol
