#include "ui/DirectoryList.h"

#include <QDir>
#include <QFileInfo>

namespace tracol {

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
}

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setPath(QDir::currentPath());
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

bool DirectoryList::setPath(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    const bool changed = clean != path_;
    path_ = clean;
    fill();
    if (changed)
        emit pathChanged(path_);
    return true;
}

void DirectoryList::fill() {
    clear();
    // The chain from the root down to the current folder.
    QStringList chain;
    for (QDir dir(path_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QDir(folder).dirName();
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(kPathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QFileInfoList children =
        QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + child.fileName(), this);
        item->setData(kPathRole, child.absoluteFilePath());
    }
}

} // namespace tracol
