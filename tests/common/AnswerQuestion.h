#pragma once
// Answers a question box that a window asks and waits for (ui/DiscardQuestion.h):
// the answer is given as soon as the box is up, by its button's name.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tracol::testing {

// Clicks the button named `button` ("Discard" or "Keep"; empty: the default
// button, as Enter does) of the next question box that comes up as the
// active modal window, and records the box's object name in `asked`. A box that is not up when the events are next processed
// is not answered, so a missing question shows as an empty `asked`.
inline void answerNextQuestion(const QString& button, QString* asked) {
    asked->clear();
    QTimer::singleShot(0, [button, asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *asked = box->objectName();
        QAbstractButton* answer =
            button.isEmpty() ? box->defaultButton() : box->findChild<QAbstractButton*>(button);
        if (answer)
            answer->click();
    });
}

} // namespace tracol::testing
