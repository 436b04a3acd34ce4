#pragma once
// The question asked before points that no file holds are discarded. Keeping
// them is the default answer (Enter and Esc keep them). The box and its two
// buttons carry object names, the buttons "Discard" and "Keep", so that tests
// and automation can answer it.

#include <QString>

class QMessageBox;
class QWidget;

namespace tracol {

struct SharedState;

struct DiscardQuestion {
    QString objectName; // of the question box
    QString title;
    QString text;
    QString discardCaption = QStringLiteral("はい");
    QString keepCaption = QStringLiteral("いいえ");
};

// The question box (deleted when closed), for a window that shows it with
// open() and goes on when a button is clicked.
QMessageBox* makeDiscardQuestion(QWidget* parent, const DiscardQuestion& question);

// Whether the Lines may go: true at once when no Line holds unsaved points
// (hasUnsavedPoints), otherwise the question is asked and waited for.
bool mayDiscardUnsavedPoints(QWidget* parent, const SharedState& state, const DiscardQuestion& question);

// "終了", "ﾌﾟﾛｸﾞﾗﾑ終了", "プログラム終了": whether the program may end now,
// asking first when points were never saved.
bool mayEndProgram(QWidget* parent, const SharedState& state);

// Ends the program when mayEndProgram agrees.
void endProgram(QWidget* parent, const SharedState& state);

} // namespace tracol
