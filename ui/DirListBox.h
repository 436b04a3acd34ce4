#pragma once
// The directory list of the file dialogs (Dir1): the folders from the root
// down to the current one, then the current folder's subfolders. A double
// click (or Enter) on an entry makes it the current folder.

#include <QListWidget>

namespace tracol {

class DirListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit DirListBox(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Makes `path` (native or not) the current folder; a folder that does not
    // exist is refused and false returned.
    bool setPath(const QString& path);

  signals:
    void pathChanged(const QString& path);

  private:
    void fill();
    QString path_;
};

} // namespace tracol
