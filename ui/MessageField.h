#pragma once
// A window's message area: hidden until a message comes, then shown in its
// colour at its place, grown to hold the whole text, and hidden again by the
// window's one-shot timer, by a click on it or by the next user action.
// Every window's message boxes are one of these.

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>

class QTimer;
class QWidget;

namespace tracol {

class MessageField : public QObject {
    Q_OBJECT
  public:
    // How a field too small for its text grows: its top edge stays (down) or
    // its bottom edge stays (up); it keeps its width and wraps the text.
    enum class Growth { None, Down, Up };

    // `field` is a QLabel, QLineEdit or QTextEdit of the window; `hideTimer`
    // (may be null) hides it again and is started by every message.
    MessageField(QWidget* field, QTimer* hideTimer, QObject* parent = nullptr);

    // The place a message starts from, in twips; Growth::None keeps the
    // field where the window put it.
    void setPlace(const QRect& twips, Growth growth);
    // The text empties when the field is hidden.
    void setClearedOnHide(bool cleared) { clearedOnHide_ = cleared; }
    // A mouse press on the field hides it.
    void setHiddenOnClick(bool hidden);

    void show(const QString& text);
    void show(const QString& text, const QColor& colour);
    void hide();
    // The text emptied; the field stays shown or hidden as it is.
    void clear() { setFieldText(QString()); }

    QWidget* widget() const { return field_; }
    QString text() const;
    bool isShown() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setFieldText(const QString& text);
    void growToText();

    QWidget* field_;
    QTimer* hideTimer_;
    QRect place_;
    Growth growth_ = Growth::None;
    bool clearedOnHide_ = false;
    bool hiddenOnClick_ = false;
};

} // namespace tracol
