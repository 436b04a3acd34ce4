// Ending the program: "終了" in the exit window, and the commands that end it
// at once unless points that were never saved are kept. Ending leaves the
// event loop for good, so each test function runs in a process of its own.

#include "DigitizeFixture.h"

#include "tests/common/AnswerQuestion.h"

using namespace tracol;
using testing::DigitizeFixture;

namespace {

// Runs `steps` inside an event loop; the loop's result is 0 once the program
// was told to end, 7 when it was not (after a guard that only a failing test
// waits for).
int runUntilTheEnd(const std::function<void()>& steps) {
    QEventLoop loop;
    QTimer::singleShot(0, steps);
    QTimer::singleShot(3000, &loop, [&] { loop.exit(7); });
    return loop.exec();
}

const QString kEndQuestion = QStringLiteral("EndProgramQuestion");

} // namespace

class TestProgramEnd : public QObject {
    Q_OBJECT
  private slots:
    void exitWindowEndsTheProgram() {
        DigitizeFixture f;
        QCOMPARE(runUntilTheEnd([&] {
                     f.main->close();
                     QVERIFY(f.windows.form1->isVisible());
                     QTest::mouseClick(control<QPushButton>(f.windows.form1, "Command1"), Qt::LeftButton);
                 }),
                 0);
    }

    void mainWindowEndsAtOnceWhenNothingIsUnsaved() {
        DigitizeFixture f;
        QString asked;
        QCOMPARE(runUntilTheEnd([&] {
                     const testing::QuestionAnswer keep(QStringLiteral("Keep"));
                     f.main->findChild<QAction*>("EEND")->trigger();
                     asked = keep.asked();
                 }),
                 0);
        QVERIFY(asked.isEmpty());
    }

    void mainWindowAsksBeforeUnsavedPointsGo() {
        DigitizeFixture f;
        f.state.LineBox[2] = QStringLiteral("1,2\r\n3,4\r\n");
        QCOMPARE(runUntilTheEnd([&] {
                     {
                         const testing::QuestionAnswer keep(QStringLiteral("Keep"));
                         f.click("Command3");
                         QCOMPARE(keep.asked(), kEndQuestion);
                     }
                     {
                         const testing::QuestionAnswer keep(QStringLiteral("Keep"));
                         f.main->findChild<QAction*>("EEND")->trigger();
                         QCOMPARE(keep.asked(), kEndQuestion);
                     }
                     QVERIFY(f.main->isVisible() && f.main->isEnabled());
                     QCOMPARE(f.state.LineBox[2], QStringLiteral("1,2\r\n3,4\r\n"));
                     const testing::QuestionAnswer discard(QStringLiteral("Discard"));
                     f.click("Command3");
                 }),
                 0);
    }

    // "プログラム終了" and the frame's close of the computation screen.
    void computationScreenAsksBeforeUnsavedPointsGo() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Command5");
        for (int x : {110, 310, 510})
            f.clickImage(x, 230);
        QTest::mouseClick(control<QPushButton>(f.windows.form21, "Command6"), Qt::LeftButton);
        QWidget* screen = f.windows.form33;
        QVERIFY(screen->isVisible());
        QCOMPARE(runUntilTheEnd([&] {
                     {
                         const testing::QuestionAnswer keep(QStringLiteral("Keep"));
                         screen->findChild<QAction*>("SSEND1")->trigger();
                         QCOMPARE(keep.asked(), kEndQuestion);
                     }
                     {
                         const testing::QuestionAnswer keep(QStringLiteral("Keep"));
                         QVERIFY(!screen->close());
                         QCOMPARE(keep.asked(), kEndQuestion);
                     }
                     QVERIFY(screen->isVisible());
                     const testing::QuestionAnswer discard(QStringLiteral("Discard"));
                     screen->close();
                 }),
                 0);
    }
};

QTEST_MAIN(TestProgramEnd)
#include "tst_program_end.moc"
