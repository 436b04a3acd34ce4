#pragma once
// The directory list of the file dialogs: the folders from the root down to
// the current one, then its subfolders. Activating an entry opens it.

#include <QListWidget>

namespace tracol {

class DirectoryList : public QListWidget {
    Q_OBJECT
  public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Shows `path`; false (and nothing changed) when it is not a readable folder.
    bool setPath(const QString& path);

  signals:
    // The current folder changed, by the user or by setPath.
    void pathChanged(const QString& path);

  private:
    void fill();
    QString path_;
};

} // namespace tracol
