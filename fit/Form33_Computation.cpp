// Form33: the start button's computation, the progress window and the abort.

#include "fit/ComputationSequence.h"
#include "fit/Form33.h"
#include "output/Worksheet.h"
#include "output/WorksheetDisplay.h"
#include "ui/MessageField.h"
#include "ui/TextListBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tracol {

namespace {

// The computation yields to the event loop where the driver says, but
// handing every one of its several thousand yields to the event loop would
// cost more than the fitting itself: the first yield of a computation goes
// through (the screen's yield before the fitting: the progress window comes
// up, and a "中止" pressed at once is seen after the first trial), later ones
// when 10 ms have passed, so the bar moves and "中止" answers within that time.
class ThrottledYield {
  public:
    void operator()() {
        if (calls_++ > 0 && clock_.isValid() && clock_.elapsed() < kIntervalMs)
            return;
        QCoreApplication::processEvents();
        clock_.start();
    }

  private:
    static constexpr qint64 kIntervalMs = 10;
    QElapsedTimer clock_;
    qint64 calls_ = 0;
};

} // namespace

void Form33::startComputation() {
    if (running_)
        return;
    running_ = true;
    // Everything the screen offers waits while the computation runs.
    for (QTimer* timer : {Timer1, Timer2, Timer3, Timer4})
        timer->stop();
    setButtonsEnabled(false);
    for (QLabel* caption : Text2)
        caption->hide();
    windows_.mainWindow().stopLiveReadout();
    rememberedPosition_ = pos();
    Label1->clear();
    Label1->show();
    for (TextListBox* list : lists_)
        list->clearLines();
    Command1->setText(QStringLiteral("実行中"));
    Label1->setText(QStringLiteral("計算しています"));
    setEnabled(false);
    ProgressWindowLink& progress = windows_.progress();
    if (state_.WorkEstimate > 9)
        progress.start(*this);

    ComputationRequest request;
    request.hooks.yield = ThrottledYield();
    if (!state_.WorkingFolder.isEmpty())
        request.worksheetPath = QDir(state_.WorkingFolder).filePath(kWorksheetFileName);
    const ComputationOutcome outcome = runComputationSequence(state_, request);
    running_ = false;
    showLists();
    if (!outcome.completed) {
        // "中止" has already given the screen back and asks for "GO".
        state_.AbortRequested = false;
        return;
    }
    setEnabled(true);
    progress.stop();
    setButtonsEnabled(true);
    showStartPrompt();
    Timer3->start();
    Timer4->start();
    if (!request.worksheetPath.isEmpty() && !outcome.worksheetWritten) {
        // Said at once, and kept until it is clicked: the worksheet button
        // will not show the last computation's worksheet.
        text5_->show(worksheetUnwrittenMessage(outcome.worksheetError));
        Timer3->stop();
    }
}

void Form33::computationAborted() {
    setEnabled(true);
    setButtonsEnabled(true);
    Label1->setText(QStringLiteral("GO ﾎﾞﾀﾝを押して下さい"));
    Command1->setText(QStringLiteral("GO"));
    Timer4->start();
}

void Form33::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {Command1, Command2, Command3, Command5})
        button->setEnabled(enabled);
    Label1->setEnabled(enabled);
}

void Form33::showStartPrompt() {
    Label1->setText(QStringLiteral("開始ﾎﾞﾀﾝを押して下さい"));
    Command1->setText(state_.List1.isEmpty() ? QStringLiteral("計算開始") : QStringLiteral("再計算開始"));
}

void Form33::showLists() {
    lists_[kList1]->setLines(state_.List1);
    lists_[kList2]->setLines(state_.List2);
    lists_[kList3]->setLines(state_.List3);
    lists_[kList4]->setLines(state_.List4);
}

} // namespace tracol
