#pragma once
// The file list of the file dialogs: the files of one folder whose names
// match a pattern ("*.BMP;*.JPG": several patterns separated by ";",
// matched without regard to case).

#include <QListWidget>

namespace tracol {

class FileList : public QListWidget {
    Q_OBJECT
  public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // The selected file's name; empty when none is selected.
    QString fileName() const;
    // Selects the file of that name when it is listed.
    void selectFile(const QString& name);

    // Whether a file name matches a pattern of this kind.
    static bool matches(const QString& name, const QString& pattern);

  signals:
    void fileClicked(const QString& name);
    void fileDoubleClicked(const QString& name);

  private:
    void refresh();
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

} // namespace tracol
