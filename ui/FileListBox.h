#pragma once
// The file list of the file dialogs (File1): the files of one folder whose
// names match a pattern; several patterns are separated by ";" and are
// compared without regard to case ("*.DA*;*.TX*").

#include <QListWidget>

namespace tracol {

class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // The selected file's name, empty when none is selected.
    QString fileName() const;
    // Selects the file `name` when the list shows it.
    void setFileName(const QString& name);
    // Reads the folder again.
    void refresh();

  signals:
    void fileClicked(const QString& name);
    void fileDoubleClicked(const QString& name);

  private:
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

// A folder and a file name joined by the platform's separator, with a single
// separator after a root ("/name", "C:\name").
QString joinPath(const QString& folder, const QString& name);

} // namespace tracol
