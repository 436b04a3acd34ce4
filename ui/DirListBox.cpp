#include "ui/DirListBox.h"

#include <QDir>
#include <QFileInfo>

namespace tracol {

namespace {
constexpr int kPathRole = Qt::UserRole;
}

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
    setPath(QDir::currentPath());
}

bool DirListBox::setPath(const QString& path) {
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (path.isEmpty() || !info.isDir())
        return false;
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    if (native == path_)
        return true;
    path_ = native;
    fill();
    emit pathChanged(path_);
    return true;
}

void DirListBox::fill() {
    clear();
    // The chain of folders from the root down to the current one.
    QStringList chain;
    QDir dir(QDir::fromNativeSeparators(path_));
    do {
        chain.prepend(dir.absolutePath());
    } while (dir.cdUp());
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(QString(depth, u' ') + name, this);
        item->setData(kPathRole, QDir::toNativeSeparators(folder));
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir current(QDir::fromNativeSeparators(path_));
    for (const QFileInfo& sub : current.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(QString(depth, u' ') + sub.fileName(), this);
        item->setData(kPathRole, QDir::toNativeSeparators(sub.absoluteFilePath()));
    }
}

} // namespace tracol
