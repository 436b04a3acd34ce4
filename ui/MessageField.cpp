#include "ui/MessageField.h"

#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>
#include <QtMath>

namespace tracol {

MessageField::MessageField(QWidget* field, QTimer* hideTimer, QObject* parent)
    : QObject(parent), field_(field), hideTimer_(hideTimer) {
    Q_ASSERT(field_);
    if (hideTimer_)
        connect(hideTimer_, &QTimer::timeout, this, &MessageField::hide);
}

void MessageField::setPlace(const QRect& twips, Growth growth) {
    place_ = twips;
    growth_ = growth;
    if (auto* label = qobject_cast<QLabel*>(field_); label && growth != Growth::None)
        label->setWordWrap(true);
    if (auto* edit = qobject_cast<QTextEdit*>(field_); edit && growth != Growth::None) {
        edit->setLineWrapMode(QTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

void MessageField::setHiddenOnClick(bool hidden) {
    hiddenOnClick_ = hidden;
    if (auto* edit = qobject_cast<QTextEdit*>(field_))
        edit->viewport()->installEventFilter(this);
    field_->installEventFilter(this);
}

void MessageField::show(const QString& text) {
    if (growth_ != Growth::None)
        setTwipsGeometry(field_, place_.x(), place_.y(), place_.width(), place_.height());
    setFieldText(text);
    growToText();
    field_->show();
    field_->raise();
    if (hideTimer_)
        hideTimer_->start();
}

void MessageField::show(const QString& text, const QColor& colour) {
    setTextColour(field_, colour);
    // A style sheet, so that no style of the platform draws the text otherwise.
    field_->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    show(text);
}

void MessageField::hide() {
    if (hideTimer_)
        hideTimer_->stop();
    field_->hide();
    if (clearedOnHide_)
        setFieldText(QString());
}

QString MessageField::text() const {
    if (auto* label = qobject_cast<QLabel*>(field_))
        return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(field_))
        return line->text();
    if (auto* edit = qobject_cast<QTextEdit*>(field_))
        return edit->toPlainText();
    return QString();
}

bool MessageField::isShown() const {
    return !field_->isHidden();
}

void MessageField::setFieldText(const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(field_))
        label->setText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(field_))
        line->setText(text);
    else if (auto* edit = qobject_cast<QTextEdit*>(field_))
        edit->setPlainText(text);
}

void MessageField::growToText() {
    if (growth_ == Growth::None)
        return;
    int needed = field_->height();
    if (auto* label = qobject_cast<QLabel*>(field_)) {
        needed = label->heightForWidth(label->width());
    } else if (auto* edit = qobject_cast<QTextEdit*>(field_)) {
        // From the field's own width: a hidden field has not laid out its
        // viewport for the new size yet.
        const int frame = 2 * edit->frameWidth();
        edit->document()->setTextWidth(edit->width() - frame);
        needed = qCeil(edit->document()->size().height()) + frame;
    }
    if (needed <= field_->height())
        return;
    const QRect area = field_->geometry();
    const int top = growth_ == Growth::Down ? area.top() : area.bottom() + 1 - needed;
    field_->setGeometry(area.x(), qMax(0, top), area.width(), needed);
}

bool MessageField::eventFilter(QObject* watched, QEvent* event) {
    if (hiddenOnClick_ && event->type() == QEvent::MouseButtonPress) {
        const auto* edit = qobject_cast<QTextEdit*>(field_);
        if (watched == field_ || (edit && watched == edit->viewport()))
            hide();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tracol
