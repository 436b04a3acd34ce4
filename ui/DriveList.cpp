#include "ui/DriveList.h"

#include <QDir>
#include <QFileInfo>

namespace tracol {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    for (const QFileInfo& root : QDir::drives())
        addItem(root.absoluteFilePath());
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChanged(itemText(index)); });
}

QString DriveList::driveOf(const QString& path) {
    const QString absolute = QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath());
    QString best;
    for (const QFileInfo& root : QDir::drives()) {
        const QString candidate = root.absoluteFilePath();
        if (absolute.startsWith(candidate, Qt::CaseInsensitive) && candidate.size() > best.size())
            best = candidate;
    }
    return best;
}

bool DriveList::setDrive(const QString& path) {
    const int index = findText(driveOf(path), Qt::MatchFixedString);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

} // namespace tracol
