#pragma once
// A file dropped on a window: an image or a data-set file dragged from the
// file manager onto the image window, the main window or the DataSet window
// opens as if it had been chosen in the open dialog.

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace tracol {

class FileDrop : public QObject {
    Q_OBJECT
  public:
    // `window` takes drops of one local file; `open` gets its path.
    FileDrop(QWidget& window, std::function<void(const QString& path)> open);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QString&)> open_;
};

} // namespace tracol
