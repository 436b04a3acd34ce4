#include "ui/TextListBox.h"

#include <QAbstractListModel>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tracol {

// The lines as rows; a row's text is made only when the view draws it.
class TextListBox::LineModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;
    void setLines(const TextLineList& lines) {
        beginResetModel();
        lines_ = lines;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_.size())
            return {};
        return lines_.at(index.row());
    }

  private:
    TextLineList lines_;
};

class TextListBox::UniformLineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize size;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return size; }
};

TextListBox::TextListBox(QWidget* parent)
    : QListView(parent), model_(new LineModel(this)), delegate_(new UniformLineDelegate(this)) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), font.family()});
    setFont(font);
    setItemDelegate(delegate_);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line has the height of one text line: the view then never
    // measures a million lines to lay them out.
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
}

void TextListBox::setLines(const TextLineList& lines) {
    lines_ = lines; // shared, not copied
    const QFontMetrics metrics(font());
    delegate_->size = QSize(lines_.widestCells() * metrics.horizontalAdvance(u'0') + 8, metrics.height() + 2);
    model_->setLines(lines_);
}

QStringList TextListBox::selectedLines() const {
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList result;
    result.reserve(selected.size());
    for (const QModelIndex& index : selected)
        result << lines_.at(index.row());
    return result;
}

void TextListBox::mousePressEvent(QMouseEvent* event) {
    emit listPressed(event->button());
    // The right button copies the selection: it must not change it.
    if (event->button() != Qt::RightButton)
        QListView::mousePressEvent(event);
}

void TextListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}

} // namespace tracol
