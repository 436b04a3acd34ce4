// How the main window, the image window and the DataSet window follow each
// other (position, minimise and restore), and the smaller rules of the main
// window: Reset, the live readout, the hints, the help placement and the
// display form shown in both windows.

#include "DigitizeFixture.h"

#include "tests/common/ActivateWindow.h"
#include "ui/Platform.h"

#include <QScrollBar>

using namespace tracol;
using testing::DigitizeFixture;

namespace {

// Twips of the main window's layout in pixels (15 twips a pixel).
QRect twips(int top, int left, int width, int height) {
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

void activate(QWidget* window) {
    QVERIFY(testing::activateNow(window));
}

} // namespace

class TestWindowCoupling : public QObject {
    Q_OBJECT
  private slots:
    void timer4KeepsTheHiddenDataSetWindowAtTheMainWindow() {
        DigitizeFixture f;
        QWidget* dataSet = f.windows.form21;
        auto* timer = f.main->findChild<QTimer*>("Timer4");
        QCOMPARE(timer->interval(), 200);
        activate(f.main);
        QVERIFY(timer->isActive()); // the DataSet window is hidden
        dataSet->move(f.main->pos() + QPoint(40, -25));
        testing::fireTimer(timer);
        QCOMPARE(dataSet->pos(), f.main->pos());
    }

    void timer4StopsWhileTheDataSetWindowIsShown() {
        DigitizeFixture f;
        f.calibrate();
        auto* timer = f.main->findChild<QTimer*>("Timer4");
        activate(f.main);
        QVERIFY(timer->isActive());
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(!timer->isActive()); // starting sampling stops it
        QWidget* dataSet = f.windows.form21;
        QVERIFY(dataSet->isVisible());
        f.main->setEnabled(true);
        activate(f.main);
        QVERIFY(!timer->isActive()); // activation leaves it off while the DataSet window shows
        // The shown DataSet window leads: no running timer of the main window
        // pulls it back, and its own Timer3 brings the main window to it.
        const QPoint moved = f.main->pos() + QPoint(30, 30);
        dataSet->move(moved);
        for (QTimer* running : f.main->findChildren<QTimer*>()) {
            if (running->objectName().startsWith(QStringLiteral("Timer")) && running->isActive())
                testing::fireTimer(running);
        }
        QCOMPARE(dataSet->pos(), moved);
        auto* follow = dataSet->findChild<QTimer*>("Timer3");
        QVERIFY(follow->isActive());
        testing::fireTimer(follow);
        QCOMPARE(f.main->pos(), moved);
        QCOMPARE(dataSet->pos(), moved);
    }

    void minimisingTheMainWindowMinimisesTheImageWindow() {
        DigitizeFixture f;
        QVERIFY(f.image->isVisible());
        f.main->showMinimized();
        QVERIFY(f.image->isMinimized());
        f.main->showNormal();
        QVERIFY(!f.image->isMinimized());
    }

    void aHiddenImageWindowStaysHidden() {
        DigitizeFixture f;
        f.image->hide();
        f.main->showMinimized();
        f.main->showNormal();
        QVERIFY(f.image->isHidden());
        f.image->show();
        QVERIFY(!f.image->isMinimized());
    }

    void theDataSetWindowFollowsMinimiseAndRestore() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QWidget* dataSet = f.windows.form21;
        QVERIFY(dataSet->isVisible() && !dataSet->isMinimized());
        f.main->showMinimized();
        QVERIFY(dataSet->isMinimized());
        QVERIFY(f.image->isMinimized());
        f.main->showNormal();
        QVERIFY(!dataSet->isMinimized());
        QVERIFY(!f.image->isMinimized());
    }

    void resizingTheImageWindowRestoresAMinimisedMainWindow() {
        DigitizeFixture f;
        f.main->showMinimized();
        f.image->showNormal();
        f.image->resize(f.image->width() + 30, f.image->height());
        QVERIFY(!f.main->isMinimized());
        const QRect frame = f.image->frameGeometry();
        QCOMPARE(f.main->pos(), QPoint(frame.x() + frame.width(), frame.y()));
        QCOMPARE(f.windows.form21->pos(), f.main->pos());
    }

    void displayFormIsShownAgainInBothWindows() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QWidget* dataSet = f.windows.form21;
        f.clickImage(123, 300);
        const QString x = f.the<QLineEdit>("Text8")->text();
        const QString y = f.the<QLineEdit>("Text9")->text();
        QCOMPARE(x, QStringLiteral(" 12.6"));
        QCOMPARE(controlText(dataSet, "Text8"), x);
        QCOMPARE(controlText(dataSet, "Text9"), y);
        // The main window is disabled while sampling: the box set from code
        // runs the same re-display as a click.
        f.the<QCheckBox>("Check5")->setChecked(true);
        QCOMPARE(f.the<QLineEdit>("Text8")->text(), QStringLiteral("1.26000E+01"));
        QCOMPARE(controlText(dataSet, "Text8"), QStringLiteral("1.26000E+01"));
        QCOMPARE(controlText(dataSet, "Text9"), f.the<QLineEdit>("Text9")->text());
        QVERIFY(f.the<QLineEdit>("Text9")->text().contains(QStringLiteral("E+00")));
        // The next point is sampled in the exponent form.
        f.clickImage(310, 230);
        QCOMPARE(f.state.LineBox[1].split(QStringLiteral("\r\n")).at(1),
                 QStringLiteral("5.00000E+01,5.00000E+00"));
    }

    void resetRestoresTheNotReadyLook() {
        DigitizeFixture f;
        f.calibrate();
        auto* x = f.the<QLineEdit>("Text8");
        QCOMPARE(x->palette().color(QPalette::Base), QColor(251, 255, 217));
        QCOMPARE(f.the<QLineEdit>("Text9")->palette().color(QPalette::Base), QColor(246, 255, 217));
        f.click("Check2"); // Xmax forgotten, then armed again: Label1 shows "Xmax"
        f.click("Check2");
        QCOMPARE(f.image->findChild<QLabel*>("Label1")->text(), QStringLiteral("Xmax"));
        QTest::mouseClick(f.the<QPushButton>("Command6"), Qt::LeftButton);
        QCOMPARE(x->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(f.the<QLineEdit>("Text9")->palette().color(QPalette::Base), QColor(Qt::white));
        // Unchecking the boxes redraws the marks, which ends with the icon pointer.
        QCOMPARE(pointerOf(f.main), PointerKind::Icon);
        QCOMPARE(pointerOf(f.image), PointerKind::Icon);
        QVERIFY(f.image->findChild<QLabel*>("Label1")->text().isEmpty());
        QVERIFY(!f.state.ConversionOn && !f.state.BaseValuesOk && !f.state.AutoConfirmDone);
        QVERIFY(!f.state.XAxisDrawn && !f.state.YAxisDrawn);
        QVERIFY(!f.enabled("Check6") && !f.enabled("Check7") && !f.enabled("Text11"));
        QCOMPARE(f.the<QLineEdit>("Text6")->text(), QStringLiteral("10"));
        QCOMPARE(f.state.ValYmax, 10.0f);
    }

    void liveReadoutRecountsTheBaseBoxes() {
        DigitizeFixture f;
        f.calibrate();
        auto* timer = f.main->findChild<QTimer*>("Timer1");
        QCOMPARE(timer->interval(), 50);
        f.moveOver(f.picture, QPoint(310, 230));
        QVERIFY(timer->isActive());
        f.liveReadoutTick();
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("50"));
        // Work is done on every second tick only: two ticks, one conversion.
        timer->stop();
        f.the<QLineEdit>("Text1")->clear();
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        const bool firstTickShowed = !f.the<QLineEdit>("Text1")->text().isEmpty();
        f.the<QLineEdit>("Text1")->clear();
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        const bool secondTickShowed = !f.the<QLineEdit>("Text1")->text().isEmpty();
        QVERIFY(firstTickShowed != secondTickShowed);
        // Unchecking a base box behind the window's back is noticed on the next tick.
        {
            const QSignalBlocker quiet(f.the<QCheckBox>("Check2"));
            f.the<QCheckBox>("Check2")->setChecked(false);
        }
        f.state.NotReady = false;
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        QCOMPARE(f.state.CheckedBaseCount, qint16(3));
        QVERIFY(f.state.NotReady);
    }

    void liveReadoutReachesTheDataSetWindowWhileSampling() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        f.moveOver(f.picture, QPoint(435, 135));
        QVERIFY(f.main->findChild<QTimer*>("Timer1")->isActive());
        f.liveReadoutTick();
        QCOMPARE(controlText(f.windows.form21, "Text8"), QStringLiteral("75"));
        QCOMPARE(controlText(f.windows.form21, "Text9"), QStringLiteral("7.5"));
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("75"));
        QVERIFY(f.state.LineBox[1].isEmpty()); // the pointer alone samples nothing
    }

    void timer2HidesMessageAndHint() {
        DigitizeFixture f;
        f.type("Text4", "1,000");
        f.moveOver(f.the("Command6"));
        auto* timer = f.main->findChild<QTimer*>("Timer2");
        QVERIFY(timer->isActive());
        QVERIFY(f.the("Text12")->isVisible());
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        QVERIFY(f.message().isEmpty());
        QVERIFY(!f.the("Text12")->isVisible());
    }

    void liveReadoutFollowsTheMidCorrection() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Check6");
        f.type("Text10", "80");
        f.clickImage(310, 420); // Xmid mark at half way, valued 80
        QCOMPARE(f.state.PixXmid, float(310 * 15));
        f.moveOver(f.picture, QPoint(185, 230)); // half way to the mid mark
        f.liveReadoutTick();
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("40"));
        QVERIFY(f.state.XmidActive);
        f.moveOver(f.picture, QPoint(435, 230)); // half way from the mid mark to Xmax
        f.liveReadoutTick();
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("90"));
        // An empty mid value puts the correction out of force.
        f.type("Text10", "");
        f.liveReadoutTick();
        QVERIFY(!f.state.XmidActive);
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("75"));
    }

    void confirmationHintUntilTheFirstSuccess() {
        DigitizeFixture f;
        auto* hint = f.the<QLabel>("Text12");
        f.moveOver(f.the("Command4"));
        QVERIFY(!hint->isVisible()); // nothing typed yet
        f.type("Text3", "0");
        f.type("Text4", "100");
        f.type("Text5", "0");
        f.type("Text6", "10");
        f.mark("Check1", 60, 420);
        f.mark("Check2", 560, 420);
        f.click("Check4");
        QVERIFY(f.checked("Check4")); // armed: four boxes checked, Ymax not placed
        f.moveOver(f.the("Command4"));
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("基本ﾃﾞｰﾀ入力完了(自由修正可)"));
        QTest::mousePress(hint, Qt::LeftButton);
        QVERIFY(!hint->isVisible());
        f.clickImage(60, 40); // Ymax placed
        f.main->findChild<QAction*>("kihon")->trigger();
        QVERIFY(f.state.BaseConfirmed);
        f.click("Check4"); // given up and armed again: Command4 is enabled
        f.click("Check4");
        QVERIFY(f.enabled("Command4"));
        f.moveOver(f.the("Command4"));
        QVERIFY(!hint->isVisible()); // the confirmation has succeeded once
    }

    void pointerOverADisabledControlIsOverTheWindow() {
        DigitizeFixture f;
        f.calibrate();
        f.moveOver(f.picture, QPoint(310, 230));
        auto* timer = f.main->findChild<QTimer*>("Timer1");
        QVERIFY(timer->isActive());
        // Over an enabled control the readout goes on ...
        f.moveOver(f.the("Text8"));
        QVERIFY(timer->isActive());
        // ... over the disabled "□" the pointer is over the window's background.
        QVERIFY(!f.enabled("Command7"));
        auto* square = f.the("Command7");
        QMouseEvent move(QEvent::MouseMove, square->geometry().center(),
                         f.main->centralWidget()->mapToGlobal(square->geometry().center()), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.main->centralWidget(), &move);
        QVERIFY(!timer->isActive());
    }

    void hintHidesOnAClickOnTheImage() {
        DigitizeFixture f;
        f.moveOver(f.the("Command6"));
        auto* hint = f.the<QLabel>("Text12");
        QVERIFY(hint->isVisible());
        f.clickImage(200, 200);
        QVERIFY(!hint->isVisible());
    }

    void movingOverABaseBoxHidesTheMessage() {
        DigitizeFixture f;
        f.type("Text4", "1,000");
        QCOMPARE(f.message(), QStringLiteral("不適切な文字"));
        f.moveOver(f.the("Check3"));
        QVERIFY(f.message().isEmpty());
    }

    void helpAndMessageAreaPlacement() {
        DigitizeFixture f;
        auto* area = f.the<QTextEdit>("Text7");
        QAction* help = f.main->findChild<QAction*>("HELP01");
        auto* timer2 = f.main->findChild<QTimer*>("Timer2");
        f.type("Text4", "1,000"); // a message starts Timer2
        QVERIFY(timer2->isActive());
        // At its place, as tall as its line of text needs.
        const QRect place = twips(192, 30, 2700, 285);
        QCOMPARE(area->geometry().topLeft(), place.topLeft());
        QCOMPARE(area->width(), place.width());
        QVERIFY(area->height() >= place.height() && area->height() < 2 * place.height());
        help->trigger();
        QVERIFY(!timer2->isActive()); // the help stays until it is put away
        QCOMPARE(area->geometry(), twips(0, 15, 2700, 7150));
        QVERIFY(!area->font().italic());
        // The whole help can be read: what does not fit scrolls.
        QCoreApplication::processEvents();
        QVERIFY(area->verticalScrollBar()->maximum() > 0 && area->verticalScrollBar()->isVisible());
        help->trigger();
        QCOMPARE(area->geometry(), twips(0, 120, 2505, 285));
        QVERIFY(area->isHidden());
        help->trigger();
        QTest::mouseClick(area->viewport(), Qt::LeftButton);
        QCOMPARE(area->geometry(), twips(192, 30, 2700, 285));
        QCOMPARE(area->font().pointSize(), 9);
    }
};

QTEST_MAIN(TestWindowCoupling)
#include "tst_window_coupling.moc"
