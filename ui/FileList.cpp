#include "ui/FileList.h"

#include <QDir>
#include <QRegularExpression>

namespace tracol {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileDoubleClicked(item->text()); });
}

void FileList::setPath(const QString& path) {
    path_ = QDir::cleanPath(path);
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileList::selectFile(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchFixedString);
    if (!found.isEmpty())
        setCurrentItem(found.first());
}

bool FileList::matches(const QString& name, const QString& pattern) {
    for (const QString& part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString wildcard = part.trimmed();
        if (wildcard.isEmpty())
            continue;
        // The converted expression is anchored: the whole name must match.
        const QRegularExpression expression(QRegularExpression::wildcardToRegularExpression(wildcard),
                                            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(name).hasMatch())
            return true;
    }
    return false;
}

void FileList::refresh() {
    clear();
    if (path_.isEmpty())
        return;
    const QStringList names = QDir(path_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (matches(name, pattern_))
            addItem(name);
    }
}

} // namespace tracol
