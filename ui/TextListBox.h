#pragma once
// A list box of text lines, as the computation screen shows its four lists: a
// view over a model holding the texts, so that a list of a million lines
// fills at once and scrolls without delay. Lines can be selected (several at
// a time) but not edited.
//
// The lines are laid out in fixed-width fields, so the list shows them in a
// monospaced font; every line is given the width of the widest, which the
// view needs to scroll sideways without measuring every line itself.

#include "core/TextLineList.h"

#include <QListView>
#include <QStringList>

namespace tracol {

class TextListBox : public QListView {
    Q_OBJECT
  public:
    explicit TextListBox(QWidget* parent = nullptr);

    void setLines(const TextLineList& lines);
    void setLines(const QStringList& lines) { setLines(TextLineList(lines)); }
    const TextLineList& textLines() const { return lines_; }
    QStringList lines() const { return lines_.toStringList(); }
    int count() const { return static_cast<int>(lines_.size()); }
    void clearLines() { setLines(TextLineList()); }

    // The selected lines in list order.
    QStringList selectedLines() const;

  signals:
    // A mouse press anywhere on the list, with its button.
    void listPressed(Qt::MouseButton button);
    void listDoubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    class LineModel;
    class UniformLineDelegate;

    LineModel* model_;
    UniformLineDelegate* delegate_;
    TextLineList lines_;
};

} // namespace tracol
