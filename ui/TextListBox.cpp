#include "ui/TextListBox.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tracol {

namespace {

// Cells a text takes in a monospaced font: half-width forms one, others two.
int cellsOf(const QString& text) {
    int cells = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        cells += (u < 0x0100 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
    }
    return cells;
}

} // namespace

class TextListBox::UniformLineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize size;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return size; }
};

TextListBox::TextListBox(QWidget* parent)
    : QListView(parent), model_(new QStringListModel(this)), delegate_(new UniformLineDelegate(this)) {
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

void TextListBox::setLines(const QStringList& lines) {
    lines_ = lines; // shared, not copied
    int widest = 0;
    for (const QString& line : lines_)
        widest = std::max(widest, cellsOf(line));
    const QFontMetrics metrics(font());
    delegate_->size = QSize(widest * metrics.horizontalAdvance(u'0') + 8, metrics.height() + 2);
    model_->setStringList(lines_);
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
