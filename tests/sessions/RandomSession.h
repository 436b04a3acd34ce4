#pragma once
// A user who does random but legal things to the real window set: clicks on
// every enabled control of every visible window, menu commands, typing
// digits, junk and Japanese text into boxes, clicks and double clicks on the
// picture and on the plot, closing windows through their frames, answering
// questions, starting and aborting computations. After every step the
// session checks what must always hold (check()); a broken rule names the
// seed, the step and the last actions.

#include "app/ApplicationWindows.h"
#include "data/SavedLines.h"
#include "tests/common/FireTimer.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>

namespace tracol::testing {

class RandomSession {
  public:
    explicit RandomSession(quint32 seed) : seed_(seed), random_(seed) {
        state_.WorkingFolder = folder_.path();
        application_.start();
        writeFiles();
        // A session begins with the graph loaded, or where a user spends most
        // time: calibrated and sampling, with the curve tracing within reach;
        // or with Lines on the computation screen, the plot and printing near.
        switch (random_.bounded(3)) {
        case 1:
            startSampling();
            break;
        case 2:
            startComputing();
            break;
        }
    }

    // Runs `steps` actions, checking after each; false with `failure` set at
    // the first broken rule.
    bool run(int steps) {
        for (step_ = 1; step_ <= steps; ++step_) {
            const Snapshot before = snapshot();
            act();
            QCoreApplication::processEvents();
            passTime();
            if (qEnvironmentVariableIsSet("TRACOL_SESSION_TRACE")) {
                QStringList shown;
                for (QWidget* window : windows())
                    if (window->isVisible())
                        shown << window->objectName() + (window->isEnabled() ? "" : "(off)");
                qInfo("%d %s | %s", step_, qPrintable(log_.empty() ? QString() : log_.back()),
                      qPrintable(shown.join(' ')));
            }
            if (const QString broken = check(before); !broken.isEmpty()) {
                failure_ = QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4")
                               .arg(seed_)
                               .arg(step_)
                               .arg(broken, QStringList(log_.begin(), log_.end()).join("\n  "));
                return false;
            }
        }
        return true;
    }
    QString failure() const { return failure_; }

  private:
    struct Snapshot {
        PerLine<QString> lines;
        bool unsaved = false;
    };

    // Between two actions of a user the main window's live readout ticks (it
    // works on every second tick), as it does while a real user moves on.
    void passTime() {
        if (auto* readout = windows_.form20->findChild<QTimer*>(QStringLiteral("Timer1"));
            readout && readout->isActive()) {
            fireTimer(readout);
            fireTimer(readout);
        }
    }

    // ---- The world the user finds ---------------------------------------------------

    void writeFiles() {
        QImage image(480, 360, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawLine(40, 320, 440, 320);
        painter.drawLine(40, 320, 40, 20);
        painter.setPen(QPen(Qt::blue, 2));
        painter.drawLine(40, 300, 440, 60);
        painter.end();
        image.save(folder_.filePath("graph.bmp"));
        // The session starts with the graph loaded, as most do.
        windows_.imageWindow().showImage(image, "TracolGraph <" + folder_.filePath("graph.bmp") + ">");
        windows_.cleanImage().cleanPicture().setPicture(image);
        {
            QPdfWriter pdf(folder_.filePath("graph.pdf"));
            pdf.setResolution(72);
            QPainter page(&pdf);
            page.drawImage(QPointF(0, 0), image);
        }
        QFile data(folder_.filePath("curves.dat"));
        data.open(QIODevice::WriteOnly);
        for (int line = 1; line <= 2; ++line) {
            data.write(QByteArray::number(line * 5) + ", 1 , 8\r\n");
            for (int i = 1; i <= 8; ++i)
                data.write(QByteArray::number(i) + ',' + QByteArray::number(line + i * i * 0.3) + "\r\n");
        }
        data.close();
        QFile junk(folder_.filePath("junk.dat"));
        junk.open(QIODevice::WriteOnly);
        junk.write("\x89PNG this is not a data file\r\n,,,\r\n");
        paths_ = {folder_.filePath("graph.bmp"),
                  folder_.filePath("graph.pdf"),
                  folder_.filePath("curves.dat"),
                  folder_.filePath("junk.dat"),
                  folder_.filePath("missing.dat"),
                  folder_.filePath("saved.dat"),
                  folder_.path(),
                  QString()};
    }

    QList<QWidget*> windows() const {
        QList<QWidget*> all;
        for (QWidget* window :
             {windows_.form1.data(), windows_.form20.data(), windows_.form21.data(), windows_.form22.data(),
              windows_.form24.data(), windows_.form29.data(), windows_.form33.data(), windows_.form50.data(),
              windows_.form70.data(), windows_.form84.data(), windows_.form8.data(), windows_.grForm35.data(),
              windows_.mdiForm20.data(), windows_.formMagnifier.data(), windows_.formPdfPage.data(),
              windows_.formTrace.data()})
            if (window)
                all << window;
        return all;
    }
    QList<QWidget*> usableWindows() const {
        QList<QWidget*> usable;
        for (QWidget* window : windows())
            if (window->isVisible() && window->isEnabled())
                usable << window;
        return usable;
    }

    template <typename T> T* pick(const QList<T*>& items) {
        return items.isEmpty() ? nullptr : items.at(random_.bounded(static_cast<int>(items.size())));
    }
    void note(const QString& what) {
        log_.push_back(what);
        if (log_.size() > 25)
            log_.pop_front();
    }

    // The graph's axes marked as a user marks them: values 0..100 and 0..10,
    // origin (40, 320), Xmax (440, 320), Ymax (40, 20); then "データ採取開始".
    void startSampling() {
        QWidget* main = windows_.form20;
        const auto type = [main](const char* box, const char* text) {
            auto* edit = control<QLineEdit>(main, box);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        };
        const auto mark = [this, main](const char* box, QPoint at) {
            auto* check = control<QAbstractButton>(main, box);
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
            QTest::mouseClick(windows_.mdiForm20->findChild<QWidget*>("Picture1"), Qt::LeftButton, {}, at);
        };
        type("Text3", "0");
        type("Text4", "100");
        type("Text5", "0");
        type("Text6", "10");
        mark("Check1", {40, 320});
        mark("Check2", {440, 320});
        mark("Check4", {40, 20});
        control<QAbstractButton>(main, "Command5")->click();
        note(QStringLiteral("calibrated and sampling"));
    }

    // The data-set file read from "数値ﾃﾞｰﾀの呼込み", then "数式算出処理", the
    // computation started and, half the time, the plot drawn ("描 画").
    void startComputing() {
        windows_.form20->findChild<QAction*>("FFRD")->trigger();
        control<QLineEdit>(windows_.form22, "Text1")->setText(folder_.filePath("curves.dat"));
        control<QAbstractButton>(windows_.form22, "Command1")->click();
        control<QAbstractButton>(windows_.form21, "Command6")->click();
        control<QAbstractButton>(windows_.form33, "Command1")->click();
        note(QStringLiteral("Lines handed to the computation screen and computed"));
        if (random_.bounded(2)) {
            control<QAbstractButton>(windows_.form33, "Command3")->click();
            note(QStringLiteral("the plot drawn"));
        }
    }

    // ---- Actions ------------------------------------------------------------------------

    void act() {
        // A question shown by exec() blocks the action that raised it: it is
        // answered from inside, at random.
        QTimer::singleShot(0, [this] { answerQuestion(); });
        // While sampling, a user mostly clicks on the picture.
        if (state_.SamplingActive && random_.bounded(3) == 0) {
            clickPicture();
            return;
        }
        switch (random_.bounded(10)) {
        case 0:
        case 1:
        case 2:
            clickButton();
            break;
        case 3:
            triggerMenu();
            break;
        case 4:
        case 5:
            typeIntoBox();
            break;
        case 6:
            clickPicture();
            break;
        case 7:
            // Where there is no plot or no question, a menu command instead.
            if (!clickPlot())
                triggerMenu();
            break;
        case 8:
            if (!answerQuestion())
                triggerMenu();
            break;
        default:
            closeWindow();
            break;
        }
    }

    // The controls that end the program for good are left alone.
    static bool endsTheProgram(const QObject* control) {
        const auto* widget = qobject_cast<const QWidget*>(control);
        const QString window = widget ? widget->window()->objectName() : QString();
        const QString name = control->objectName();
        return (window == "Form20" && name == "Command3") || (window == "Form1" && name == "Command1") ||
               name == "EEND" || name == "SSEND1";
    }

    void clickButton() {
        QList<QAbstractButton*> buttons;
        for (QWidget* window : usableWindows())
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                if (button->isVisibleTo(window) && button->isEnabled() && !endsTheProgram(button))
                    buttons << button;
        QAbstractButton* button = pick(buttons);
        if (!button)
            return;
        note(button->window()->objectName() + " click " + button->objectName());
        // A computation may be stopped with "中止" while it runs.
        if (button->window() == windows_.form33 && button->objectName() == "Command1" && random_.bounded(2))
            QTimer::singleShot(0, [this] {
                if (auto* abort = control<QAbstractButton>(windows_.grForm35, "Command1"))
                    abort->click();
            });
        button->click();
    }

    void triggerMenu() {
        QList<QAction*> actions;
        for (QWidget* window : usableWindows())
            for (QAction* action : window->findChildren<QAction*>())
                if (action->isEnabled() && !action->objectName().isEmpty() && !action->menu() &&
                    !endsTheProgram(action))
                    actions << action;
        QAction* action = pick(actions);
        if (!action)
            return;
        note("menu " + action->objectName());
        action->trigger();
    }

    QString someText(bool multiLine) {
        static const QStringList words = {"12.5",   "-3", "1e3",   "0",  "7.6D-4",  "abc", "1,000", "温度Ａ",
                                          "10〜20", "",   " 2 5 ", "7,", "3.3E+40", ".",   "-"};
        if (multiLine && random_.bounded(2)) {
            QString points;
            const int n = random_.bounded(1, 15);
            for (int i = 1; i <= n; ++i)
                points += QString::number(i) + (random_.bounded(6) ? "," : " ") +
                          QString::number(random_.bounded(100) / 7.0) + "\n";
            return points;
        }
        return words.at(random_.bounded(static_cast<int>(words.size())));
    }

    void typeIntoBox() {
        QList<QWidget*> boxes;
        for (QWidget* window : usableWindows()) {
            for (QLineEdit* box : window->findChildren<QLineEdit*>())
                if (box->isVisibleTo(window) && box->isEnabled() && !box->isReadOnly())
                    boxes << box;
            for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
                if (box->isVisibleTo(window) && box->isEnabled() && !box->isReadOnly())
                    boxes << box;
        }
        QWidget* box = pick(boxes);
        if (!box)
            return;
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            // The dialogs' name boxes mostly get one of the prepared paths.
            const bool pathBox = line->objectName() == "Text1" &&
                                 (line->window() == windows_.form22 || line->window() == windows_.form24 ||
                                  line->window() == windows_.form84);
            const QString text = pathBox && random_.bounded(4)
                                     ? paths_.at(random_.bounded(int(paths_.size())))
                                     : someText(false);
            note(line->window()->objectName() + " type " + line->objectName() + " \"" + text + "\"");
            line->setFocus();
            line->selectAll();
            line->del();
            if (text.toLatin1() == text.toUtf8())
                QTest::keyClicks(line, text);
            else
                line->setText(text);
            if (random_.bounded(2))
                QTest::keyClick(line, Qt::Key_Return);
        } else {
            auto* edit = static_cast<QPlainTextEdit*>(box);
            const QString text = someText(true);
            note(edit->window()->objectName() + " type " + edit->objectName() + " \"" + text + "\"");
            edit->setPlainText(text);
        }
    }

    void clickPicture() {
        QWidget* image = windows_.mdiForm20;
        if (!image || !image->isVisible() || !image->isEnabled())
            return;
        auto* picture = image->findChild<QWidget*>("Picture1");
        QPoint at(random_.bounded(qMax(1, picture->width())), random_.bounded(qMax(1, picture->height())));
        // Now and then, where tracing is possible, the click traces a curve,
        // mostly on the graph's drawn line (40, 300)-(440, 60).
        if (auto* trace = windows_.form20->findChild<QAction*>("TRACE");
            trace && trace->isEnabled() && random_.bounded(3) == 0) {
            trace->setChecked(true);
            note(QStringLiteral("TRACE on"));
            if (random_.bounded(4)) {
                const int x = 60 + random_.bounded(360);
                at = QPoint(x, 300 - (x - 40) * 240 / 400);
            }
        }
        note(QStringLiteral("picture click %1,%2").arg(at.x()).arg(at.y()));
        if (random_.bounded(8) == 0)
            QTest::mouseDClick(picture, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(picture, Qt::LeftButton, {}, at);
    }

    bool clickPlot() {
        QWidget* plot = windows_.form70;
        if (!plot || !plot->isVisible() || !plot->isEnabled())
            return false;
        auto* picture = plot->findChild<QWidget*>("Picture1");
        const QPoint at(random_.bounded(qMax(1, picture->width())),
                        random_.bounded(qMax(1, picture->height())));
        note(QStringLiteral("plot click %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseClick(picture, random_.bounded(3) ? Qt::LeftButton : Qt::RightButton, {}, at);
        return true;
    }

    bool answerQuestion() {
        QList<QMessageBox*> questions;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
                questions << box;
        for (QWidget* window : windows())
            for (QMessageBox* box : window->findChildren<QMessageBox*>())
                if (box->isVisible() && !questions.contains(box))
                    questions << box;
        QMessageBox* question = pick(questions);
        if (!question)
            return false;
        QAbstractButton* answer = pick(question->buttons());
        note("answer " + question->objectName() + " " + (answer ? answer->text() : QString()));
        if (answer)
            answer->click();
        return true;
    }

    void closeWindow() {
        QList<QWidget*> closable;
        for (QWidget* window : usableWindows())
            if (window != windows_.form33) // closing the computation screen ends the program
                closable << window;
        QWidget* window = pick(closable);
        if (!window)
            return;
        note("close " + window->objectName());
        window->close();
    }

    // ---- Rules that always hold ---------------------------------------------------------

    Snapshot snapshot() const { return {state_.LineBox, hasUnsavedPoints(state_)}; }

    QString check(const Snapshot& before) const {
        if (usableWindows().isEmpty()) {
            QStringList shown;
            for (QWidget* window : windows())
                if (window->isVisible())
                    shown << window->objectName() + (window->isEnabled() ? "" : " (disabled)");
            return QStringLiteral("no window is both visible and enabled; shown: ") + shown.join(", ");
        }
        for (int line = 1; line <= kLineCount; ++line) {
            const QString& text = state_.LineBox[line];
            const qint16 count = state_.PointCount[line];
            if (count < 0 || count > kMaxLinePoints)
                return QStringLiteral("Line %1 counts %2 points").arg(line).arg(count);
            const int commas = std::min(static_cast<int>(text.count(u',')), kMaxLinePoints);
            if (!text.isEmpty() && !text.endsWith(u',') && count != commas)
                return QStringLiteral("Line %1 counts %2 points but its text holds %3")
                    .arg(line)
                    .arg(count)
                    .arg(commas);
        }
        if (before.unsaved && lostPoints(before) && !userDeletedOrConfirmed()) {
            QString lines;
            for (int line = 1; line <= kLineCount; ++line)
                if (before.lines[line] != state_.LineBox[line])
                    lines += QStringLiteral("\n  Line %1 was \"%2\", is \"%3\"")
                                 .arg(line)
                                 .arg(before.lines[line], state_.LineBox[line]);
            return QStringLiteral("unsaved points vanished without a delete or a confirmed question") + lines;
        }
        const SharedState& s = state_;
        if (s.MarkMode < 0 || s.MarkMode > 4 || s.CheckedBaseCount < 0 || s.CheckedBaseCount > 4)
            return QStringLiteral("calibration modes out of range");
        if (!(s.XminMarked && s.XmaxMarked && s.YmaxMarked) && lastActionSampled() && gainedPoints(before))
            return QStringLiteral("a point was converted while a base point was not marked");
        return {};
    }

    // The point lines of a Line's text: the lines with a comma, but a point
    // still being typed (a last line ending with a comma) is not a point yet
    // and may be dropped.
    static QStringList pointLines(const QString& text, bool withPointBeingTyped) {
        QStringList lines = text.split(QRegularExpression(QStringLiteral("\\r?\\n")), Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.trimmed();
        lines.removeIf([](const QString& line) { return !line.contains(u','); }); // no point in it
        if (!withPointBeingTyped && !lines.isEmpty() && lines.back().endsWith(u','))
            lines.removeLast();
        return lines;
    }

    // The last action was a click on the picture or the tracing's "追加".
    bool lastActionSampled() const {
        const QString last = log_.empty() ? QString() : log_.back();
        return last.startsWith("picture click") || last == "FormTrace click Command1";
    }

    // A Line holds more points than before.
    bool gainedPoints(const Snapshot& before) const {
        for (int line = 1; line <= kLineCount; ++line)
            if (pointLines(state_.LineBox[line], true).size() > pointLines(before.lines[line], true).size())
                return true;
        return false;
    }

    // A Line that held points before now lacks some of them.
    bool lostPoints(const Snapshot& before) const {
        for (int line = 1; line <= kLineCount; ++line) {
            const QStringList held = pointLines(before.lines[line], false);
            const QStringList now = pointLines(state_.LineBox[line], true);
            if (now.size() < held.size() || now.mid(0, held.size()) != held)
                return true;
        }
        return false;
    }

    // The last action was the user's own edit, delete, undo or redo, or a question's answer.
    bool userDeletedOrConfirmed() const {
        const QString last = log_.empty() ? QString() : log_.back();
        return last.startsWith("Form21 type Text1(") || last == "Form21 click Command2" ||
               last == "Form21 click Command4" || last == "menu UNDO" || last == "menu REDO" ||
               last.startsWith("answer ");
    }

    quint32 seed_;
    QRandomGenerator random_;
    SharedState state_;
    Windows windows_;
    ApplicationWindows application_{state_, windows_};
    QTemporaryDir folder_;
    QStringList paths_;
    std::deque<QString> log_;
    QString failure_;
    int step_ = 0;
};

} // namespace tracol::testing
