#pragma once
// The drive list of the file dialogs: the filesystem roots.

#include <QComboBox>

namespace tracol {

class DriveList : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveList(QWidget* parent = nullptr);

    QString drive() const { return currentText(); }
    // Selects the root that holds `path`; false when no root holds it.
    bool setDrive(const QString& path);
    // The root that holds a path ("/" on this system, "C:/" where there are drives).
    static QString driveOf(const QString& path);

  signals:
    // The user chose another drive.
    void driveChanged(const QString& drive);
};

} // namespace tracol
