// Axis calibration on the main window, driven as a user would.

#include "DigitizeFixture.h"
#include "tests/common/ActivateWindow.h"

using namespace tracol;
using testing::DigitizeFixture;

namespace {
const QString kPlotErrorXmin =
    QStringLiteral("<Plot Error>                       X1MIN! <> 0 And X1MIN! >= X");
}

class TestCalibrationWindows : public QObject {
    Q_OBJECT
  private slots:
    void valueBoxReadsTheTypedNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("exponent") << "1e3" << 1000.0f << QString();
        QTest::newRow("D exponent") << "2.5D1" << 25.0f << QString();
        QTest::newRow("comma") << "1,000" << 1.0f << QStringLiteral("不適切な文字");
        QTest::newRow("letter") << "12x" << 12.0f << QStringLiteral("不適切な文字");
    }
    void valueBoxReadsTheTypedNumber() {
        QFETCH(QString, typed);
        QFETCH(float, stored);
        QFETCH(QString, message);
        DigitizeFixture f;
        f.type("Text4", typed);
        QCOMPARE(f.state.ValXmax, stored);
        QCOMPARE(f.message(), message);
        QCOMPARE(f.the<QLineEdit>("Text4")->text(), typed); // the text stays as typed
    }

    void zeroOnLogarithmicXIsRefused() {
        DigitizeFixture f;
        f.type("Text4", "100");
        f.click("Check1");
        f.type("Text3", "1");
        QCOMPARE(f.state.ValXmin, 1.0f);
        f.click("Option3(0)");
        QVERIFY(f.checked("Option3(0)"));
        f.type("Text3", "0");
        QCOMPARE(f.message(), QStringLiteral("対数座標には不適切"));
        QCOMPARE(f.state.ValXmin, 1.0f);
        QVERIFY(!f.enabled("Command5"));
    }

    void logarithmicAxisNeedsPositiveLimits_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("linear");
        QTest::addColumn<QString>("message");
        QTest::newRow("X") << "Option3(0)"
                           << "Option2(0)"
                           << QStringLiteral("<Select Error>                       Ｘmax<= 0 Or Ｘmin<= 0");
        QTest::newRow("Y") << "Option3(1)"
                           << "Option2(1)"
                           << QStringLiteral("<Select Error>                       Ｙmax<= 0 Or Ｙmin<= 0");
    }
    void logarithmicAxisNeedsPositiveLimits() {
        QFETCH(QString, option);
        QFETCH(QString, linear);
        QFETCH(QString, message);
        DigitizeFixture f;
        f.click("Check1"); // one base box checked: the limits are examined
        f.click(option);
        QVERIFY(f.checked(linear));
        QVERIFY(!f.checked(option));
        QCOMPARE(f.message(), message);
    }

    void refusedLogarithmicAxisIsExplainedInAReadyWindow() {
        DigitizeFixture f;
        f.calibrate(); // X from 0: Log(X) cannot be chosen
        QVERIFY(f.enabled("Command5"));
        f.click("Option3(0)");
        QVERIFY(f.checked("Option2(0)"));
        QCOMPARE(f.message(), QStringLiteral("<Select Error>                       Ｘmax<= 0 Or Ｘmin<= 0"));
        QVERIFY(f.enabled("Command5")); // still ready on the linear axis
        QVERIFY(f.state.BaseConfirmed && !f.state.NotReady);
    }

    void originStaysWhileXmaxAndYmaxAreSet() {
        DigitizeFixture f;
        f.calibrate();
        QVERIFY(f.checked("Check1") && f.checked("Check2") && f.checked("Check3") && f.checked("Check4"));
        f.click("Check1");
        QVERIFY(f.checked("Check1"));
        QVERIFY(f.checked("Check3"));
        QCOMPARE(f.state.PixXmin, 900.0f);
        QVERIFY(f.state.XminMarked);
    }

    void checkingYminUnchecksAnUnmarkedXmax() {
        DigitizeFixture f;
        f.click("Check2");
        QVERIFY(f.checked("Check2"));
        QCOMPARE(f.state.MarkMode, qint16(2));
        f.click("Check3");
        QVERIFY(!f.checked("Check2"));
        QVERIFY(f.checked("Check3"));
        QCOMPARE(f.state.MarkMode, qint16(3));
        QCOMPARE(f.image->findChild<QLabel*>("Label1")->text(), QStringLiteral("Ymin"));
    }

    // Giving a point up also unchecks a box that waits for its click: left
    // checked it would wait for a click that never marks it.
    void givingUpAPointUnchecksTheBoxThatWaits_data() {
        QTest::addColumn<QStringList>("marked"); // boxes marked first, in order
        QTest::addColumn<QString>("waiting");    // then armed
        QTest::addColumn<QString>("givenUp");    // then unchecked
        QTest::newRow("origin") << QStringList{"Check1"} << "Check2"
                                << "Check1";
        QTest::newRow("Xmax") << QStringList{"Check1", "Check2"} << "Check4"
                              << "Check2";
    }
    void givingUpAPointUnchecksTheBoxThatWaits() {
        QFETCH(QStringList, marked);
        QFETCH(QString, waiting);
        QFETCH(QString, givenUp);
        DigitizeFixture f;
        const QHash<QString, QPoint> places{{"Check1", {60, 420}}, {"Check2", {560, 420}}};
        for (const QString& box : marked)
            f.mark(box, places[box].x(), places[box].y());
        f.click(waiting);
        QVERIFY(f.checked(waiting));
        f.click(givenUp);
        QVERIFY(!f.checked(givenUp));
        QVERIFY(!f.checked(waiting));
        QCOMPARE(f.state.MarkMode, qint16(0));
    }

    // Four boxes checked while Ymax still waits for its click: nothing may
    // convert with its position of 0.
    void anArmedBoxDoesNotCompleteTheCalibration_data() {
        QTest::addColumn<bool>("byButton"); // "基本座標の確定", or a value typed again
        QTest::newRow("confirmation") << true;
        QTest::newRow("value typed") << false;
    }
    void anArmedBoxDoesNotCompleteTheCalibration() {
        QFETCH(bool, byButton);
        DigitizeFixture f;
        f.type("Text3", "0");
        f.type("Text4", "100");
        f.type("Text5", "0");
        f.type("Text6", "10");
        f.mark("Check1", 60, 420);
        f.mark("Check2", 560, 420);
        f.click("Check4");
        QCOMPARE(f.main->checkedBaseBoxCount(), 4);
        if (byButton) {
            QTest::mouseClick(f.the<QPushButton>("Command4"), Qt::LeftButton);
            QCOMPARE(f.message(), QStringLiteral("X / Y の Max / Min が未確定"));
        } else {
            f.type("Text6", "10");
        }
        QVERIFY(f.state.NotReady);
        QVERIFY(!f.state.BaseConfirmed);
        QVERIFY(!f.enabled("Command5"));
        // Its click completes it.
        f.clickImage(60, 40);
        QVERIFY(f.state.BaseConfirmed && !f.state.NotReady);
        QVERIFY(f.enabled("Command5"));
    }

    void marksAndValuesReadyTheWindowWithABeep() {
        DigitizeFixture f;
        QSignalSpy beeps(f.main, &Form20::beeped);
        f.calibrate();
        QVERIFY(beeps.count() >= 1); // the last mark completed the calibration
        QVERIFY(!f.state.NotReady);
        QVERIFY(f.state.BaseConfirmed);
        QVERIFY(f.enabled("Command5"));
        QVERIFY(!f.enabled("Command4"));
        QVERIFY(f.enabled("Check6") && f.enabled("Check7"));
        QVERIFY(f.the<QLineEdit>("Text8")->palette().color(QPalette::Base) == QColor(251, 255, 217));
        QVERIFY(f.state.XAxisDrawn && f.state.YAxisDrawn);
    }

    void lastValueTypedReadiesTheWindow() {
        DigitizeFixture f;
        f.mark("Check1", 60, 420);
        f.mark("Check2", 560, 420);
        f.mark("Check4", 60, 40);
        QVERIFY(f.state.NotReady);
        f.type("Text3", "0");
        f.type("Text4", "100");
        f.type("Text5", "0");
        QSignalSpy beeps(f.main, &Form20::beeped);
        f.type("Text6", "1"); // typed one key at a time: "1" readies
        QCOMPARE(beeps.count(), 1);
        QVERIFY(f.enabled("Command5"));
    }

    void automaticConfirmationOverTheSettingsFrame() {
        DigitizeFixture f;
        f.calibrate();
        QSignalSpy beeps(f.main, &Form20::beeped);
        QVERIFY(!f.state.AutoConfirmDone);
        f.moveOver(f.the("Frame2"));
        QCOMPARE(beeps.count(), 1);
        QVERIFY(f.state.AutoConfirmDone);
        QVERIFY(f.enabled("Command5"));
        QVERIFY(!f.enabled("Command4"));
        QCOMPARE(f.the<QLineEdit>("Text3")->palette().color(QPalette::Text), QColor(0, 0, 255));
        f.moveOver(f.the("Frame2"));
        QCOMPARE(beeps.count(), 1); // once until the base points change
    }

    void confirmationMessages_data() {
        QTest::addColumn<QStringList>("values"); // Text3..Text6
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QStringList{"0", "", "0", "10"} << QStringLiteral("Min,Max の数値が未確定");
        QTest::newRow("x reversed") << QStringList{"5", "5", "0", "10"} << QStringLiteral("Xmax <= Xmin ");
        QTest::newRow("y reversed") << QStringList{"0", "100", "10", "2"} << QStringLiteral("Ymax <= Ymin ");
    }
    void confirmationMessages() {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        DigitizeFixture f;
        f.calibrate();
        for (int box = 3; box <= 6; ++box)
            f.type(QStringLiteral("Text%1").arg(box), values[box - 3]);
        QVERIFY(f.enabled("Command4"));
        QTest::mouseClick(f.the<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(f.message(), message);
        QVERIFY(f.state.NotReady);
        QVERIFY(!f.enabled("Command5"));
    }

    void confirmationWithoutMarks() {
        DigitizeFixture f;
        QTest::mouseClick(f.the<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(f.message(), QStringLiteral("X / Y の Max / Min が未確定"));
        QCOMPARE(f.the<QLineEdit>("Text3")->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void ymaxFirstThenOriginKeepsTheYAxisVertical() {
        DigitizeFixture f;
        f.mark("Check4", 60, 40);
        f.mark("Check1", 75, 420); // a little right of the Y axis
        QCOMPARE(f.state.PixXmin, 900.0f);
        QCOMPARE(f.state.PixYmin, 6300.0f);
        QVERIFY(f.state.YAxisDrawn);
        QVERIFY(f.checked("Check3"));
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("900"));
    }

    void xmaxFirstThenOriginKeepsTheXAxisLevel() {
        DigitizeFixture f;
        f.mark("Check2", 560, 420);
        f.mark("Check1", 60, 410); // a little above the X axis
        QCOMPARE(f.state.PixYmin, 6300.0f);
        QCOMPARE(f.state.PixXmin, 900.0f);
        QVERIFY(f.state.XAxisDrawn);
        QVERIFY(f.checked("Check3"));
    }

    void xmaxLeftOfTheOriginIsRefused() {
        DigitizeFixture f;
        f.mark("Check1", 60, 420);
        f.mark("Check2", 40, 420);
        QCOMPARE(f.message(), kPlotErrorXmin);
        QCOMPARE(f.state.PixXmax, 0.0f);
        QVERIFY(!f.state.XmaxMarked);
        QCOMPARE(f.state.MarkMode, qint16(0));
        QVERIFY(!f.state.XAxisDrawn);
    }

    void originAboveYmaxIsRefused() {
        DigitizeFixture f;
        f.mark("Check4", 60, 40);
        f.mark("Check1", 60, 20);
        QCOMPARE(f.message(),
                 QStringLiteral("<Plot Error>                       Y1MAX! <> 0 And Y1MAX! >= Y"));
        QVERIFY(!f.state.XminMarked);
        QCOMPARE(f.state.PixYmin, 0.0f);
    }

    void uncheckingXmaxForgetsItAndErasesItsMarks() {
        DigitizeFixture f;
        f.calibrate();
        const QImage marked = f.picture->drawnPicture();
        QVERIFY(marked != f.picture->picture());
        f.click("Check2");
        QCOMPARE(f.state.PixXmax, 0.0f);
        QVERIFY(!f.state.XmaxMarked);
        QVERIFY(!f.state.XAxisDrawn);
        QVERIFY(!f.enabled("Command5"));
        // The X axis line is gone, the Y axis line stays.
        const QColor red = MDIForm20::kBaseColour;
        QVERIFY(f.picture->drawnPicture().pixelColor(300, 420) != red);
        QCOMPARE(f.picture->drawnPicture().pixelColor(60, 200), red);
    }

    void midPointOnLogarithmicAxisNeedsAPositiveValue() {
        DigitizeFixture f;
        f.type("Text3", "1");
        f.type("Text4", "1000");
        f.type("Text5", "0");
        f.type("Text6", "10");
        f.calibrate();
        f.type("Text3", "1");
        f.click("Option3(0)");
        QVERIFY(f.checked("Option3(0)"));
        f.type("Text10", "-5");
        f.click("Check6");
        QCOMPARE(f.message(), QStringLiteral("対数座標は不可"));
        QVERIFY(!f.checked("Check6"));
        QVERIFY(!f.state.XmidChecked);
    }

    void leavingAnArmedBoxUnchecksIt() {
        DigitizeFixture f;
        QVERIFY(testing::activateNow(f.main));
        f.click("Check2");
        QVERIFY(f.checked("Check2"));
        QTest::mouseClick(f.the("Text5"), Qt::LeftButton);
        QVERIFY(!f.checked("Check2"));
        f.click("Check4");
        f.the("Text5")->setFocus(); // moved by the program: the box stays
        QVERIFY(f.checked("Check4"));
    }
};

QTEST_MAIN(TestCalibrationWindows)
#include "tst_calibration_windows.moc"
