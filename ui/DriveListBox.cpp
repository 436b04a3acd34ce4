#include "ui/DriveListBox.h"

#include <QDir>
#include <QFileInfo>

namespace tracol {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    for (const QFileInfo& root : QDir::drives())
        addItem(QDir::toNativeSeparators(root.absoluteFilePath()));
    connect(this, &QComboBox::textActivated, this, &DriveListBox::driveChanged);
}

QString DriveListBox::rootOf(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    QString best;
    for (const QFileInfo& root : QDir::drives()) {
        const QString rootText = QDir::toNativeSeparators(root.absoluteFilePath());
        if (native.startsWith(rootText, Qt::CaseInsensitive) && rootText.size() > best.size())
            best = rootText;
    }
    return best;
}

void DriveListBox::setDrive(const QString& path) {
    const QString root = rootOf(path);
    const int index = findText(root, Qt::MatchFixedString);
    if (index >= 0 && index != currentIndex()) {
        setCurrentIndex(index);
        emit driveChanged(root);
    }
}

} // namespace tracol
