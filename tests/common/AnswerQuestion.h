#pragma once
// Answers a question box that a window asks and waits for (ui/DiscardQuestion.h):
// the answer is given as soon as the box is up, by its button's name.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tracol::testing {

// While it lives, clicks the button named `button` ("Discard" or "Keep";
// empty: the default button, as Enter does) of the next question box that
// comes up as the active modal window, and records the box's object name.
// A question never asked leaves asked() empty.
class QuestionAnswer {
  public:
    explicit QuestionAnswer(const QString& button) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            asked_ = box->objectName();
            QAbstractButton* answer =
                button.isEmpty() ? box->defaultButton() : box->findChild<QAbstractButton*>(button);
            if (answer)
                answer->click();
        });
        timer_.start(0);
    }
    QString asked() const { return asked_; }

  private:
    QTimer timer_;
    QString asked_;
};

} // namespace tracol::testing
