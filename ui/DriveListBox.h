#pragma once
// The drive list of the file dialogs (Drive1): the roots of the file system,
// one entry per root ("/" on Unix, "C:\" and so on on Windows).

#include <QComboBox>

namespace tracol {

class DriveListBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveListBox(QWidget* parent = nullptr);

    QString drive() const { return currentText(); }
    // Selects the root that holds `path`; a path on no known root leaves the list as it is.
    void setDrive(const QString& path);
    // The root that holds `path`, in native form; empty when there is none.
    static QString rootOf(const QString& path);

  signals:
    void driveChanged(const QString& drive);
};

} // namespace tracol
