// "終了" in the exit window ends the program. Ending leaves the event loop for
// good, so this has a test program of its own.

#include "DigitizeFixture.h"

using namespace tracol;
using testing::DigitizeFixture;

class TestProgramEnd : public QObject {
    Q_OBJECT
  private slots:
    void exitWindowEndsTheProgram() {
        DigitizeFixture f;
        QEventLoop loop;
        QTimer::singleShot(0, [&] {
            f.main->close();
            QVERIFY(f.windows.form1->isVisible());
            QTest::mouseClick(control<QPushButton>(f.windows.form1, "Command1"), Qt::LeftButton);
        });
        QTimer::singleShot(3000, [&] { loop.exit(7); }); // the program did not end
        QCOMPARE(loop.exec(), 0);
    }
};

QTEST_MAIN(TestProgramEnd)
#include "tst_program_end.moc"
