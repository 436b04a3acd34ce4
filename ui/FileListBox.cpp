#include "ui/FileListBox.h"

#include <QDir>

namespace tracol {

QString joinPath(const QString& folder, const QString& name) {
    const QString native = QDir::toNativeSeparators(folder);
    if (native.endsWith(QDir::separator()))
        return native + name;
    return native + QDir::separator() + name;
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileDoubleClicked(item->text()); });
}

void FileListBox::setPath(const QString& path) {
    path_ = QDir::toNativeSeparators(path);
    refresh();
}

void FileListBox::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

QString FileListBox::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileListBox::setFileName(const QString& name) {
    const auto found = findItems(name, Qt::MatchFixedString);
    if (!found.isEmpty())
        setCurrentItem(found.first());
}

void FileListBox::refresh() {
    clear();
    if (path_.isEmpty())
        return;
    QDir dir(QDir::fromNativeSeparators(path_));
    const QStringList filters = pattern_.split(u';', Qt::SkipEmptyParts);
    dir.setNameFilters(filters.isEmpty() ? QStringList{QStringLiteral("*")} : filters);
    dir.setFilter(QDir::Files); // without CaseSensitive the patterns ignore case
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    addItems(dir.entryList());
}

} // namespace tracol
