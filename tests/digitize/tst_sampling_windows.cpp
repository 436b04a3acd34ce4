// Sampling points on the image and the main window's workflow around it.

#include "DigitizeFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtMath>

using namespace tracol;
using testing::DigitizeFixture;

namespace {

QStringList pointLines(const QString& lineText) {
    QStringList lines = lineText.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestSamplingWindows : public QObject {
    Q_OBJECT
  private slots:
    void tenClicksInLineThree() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Option1(2)");
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(f.state.SamplingActive);
        QCOMPARE(f.state.CurrentLine, qint16(3));
        QSignalSpy changed(&f.windows, &Windows::lineBoxChanged);
        for (int i = 0; i < 10; ++i)
            f.clickImage(60 + 50 * i, 420 - 38 * i); // X = 10 i, Y = i
        QCOMPARE(f.state.PointCount[3], qint16(10));
        const QString text = f.state.LineBox[3];
        QCOMPARE(text.count(QStringLiteral("\r\n")), 10);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = pointLines(text);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral("0,0"));
        QCOMPARE(lines[1], QStringLiteral("10,1"));
        QCOMPARE(lines[9], QStringLiteral("90,9"));
        QVERIFY(f.state.LineBox[1].isEmpty());
        QCOMPARE(changed.count(), 10);
        QCOMPARE(changed.last().at(0).toInt(), 3);
    }

    void startingAgainKeepsThePointsOfEveryLine() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Option1(2)");
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        f.clickImage(110, 382);
        f.clickImage(160, 344);
        QCOMPARE(f.state.LineText[3], QStringLiteral("10,1\r\n20,2\r\n"));
        // Back on the main window, sampling starts once more.
        f.main->setEnabled(true);
        f.main->findChild<QAction*>("kaisi")->trigger();
        QCOMPARE(f.state.LineBox[3], QStringLiteral("10,1\r\n20,2\r\n"));
        QVERIFY(f.state.LineBox[1].isEmpty());
        f.clickImage(210, 306);
        QCOMPARE(f.state.LineBox[3], QStringLiteral("10,1\r\n20,2\r\n30,3\r\n"));
    }

    void lineFiveFallsBackToLineOneWhenSamplingStarts() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Option1(4)");
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(f.checked("Option1(0)"));
        QCOMPARE(f.state.CurrentLine, qint16(1));
        f.clickImage(310, 230);
        QCOMPARE(f.state.PointCount[1], qint16(1));
        QCOMPARE(f.state.PointCount[5], qint16(0));
    }

    void samplingNeedsAReadyCalibration() {
        DigitizeFixture f;
        f.mark("Check1", 60, 420);
        f.the<QPushButton>("Command5")->setEnabled(true); // even if the button were reached
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(!f.state.SamplingActive);
        QVERIFY(f.main->isEnabled());
    }

    void armedBaseBoxMarksAndSamples() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        // Xmax moved while sampling runs: unchecked, checked again, clicked.
        f.main->setBaseBoxChecked(2, false);
        f.main->setBaseBoxChecked(2, true);
        QCOMPARE(f.state.MarkMode, qint16(2));
        f.clickImage(310, 420);
        QCOMPARE(f.state.PixXmax, 4650.0f);
        QVERIFY(f.state.XmaxMarked);
        QCOMPARE(f.state.MarkMode, qint16(0));
        QCOMPARE(f.state.PointCount[1], qint16(1));
        QCOMPARE(pointLines(f.state.LineBox[1]), QStringList{QStringLiteral("100,0")});
    }

    void firstClickAfterCheckingXmidPlacesTheMidMark() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Check6");
        f.type("Text10", "60");
        QCOMPARE(f.state.ValXmid, 60.0f);
        QVERIFY(f.state.XmidChecked);
        QVERIFY(f.state.SkipNextSample);
        QCOMPARE(f.image->findChild<QLabel*>("Label1")->text(), QStringLiteral("Xmid"));
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        f.clickImage(310, 420); // halfway along the axis, valued 60
        QCOMPARE(f.state.PixXmid, 4650.0f);
        QCOMPARE(f.state.PointCount[1], qint16(0));
        QVERIFY(f.state.LineBox[1].isEmpty());
        QCOMPARE(f.picture->drawnPicture().pixelColor(310, 420), MDIForm20::kMidColour);
        // The live readout puts the correction in force before the next click.
        f.liveReadoutTick();
        f.clickImage(185, 420); // a quarter along: 30 on the bent axis
        f.clickImage(310, 420);
        QCOMPARE(f.state.PointCount[1], qint16(2));
        QCOMPARE(pointLines(f.state.LineBox[1]), (QStringList{"30,0", "60,0"}));
    }

    void clickThatCannotBeConvertedAddsNoPoint() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        f.clickImage(110, 382);
        QCOMPARE(f.state.PointCount[1], qint16(1));
        // The marks collapse: Xmax on the origin's x cannot be converted.
        f.state.PixXmax = f.state.PixXmin;
        f.clickImage(160, 344);
        QCOMPARE(f.state.PointCount[1], qint16(1));
        QCOMPARE(pointLines(f.state.LineBox[1]).size(), 1);
        QVERIFY(f.message().startsWith(QStringLiteral("<Convert Error>")));
    }

    void pasteKeepsTheTypedValues() {
        DigitizeFixture f;
        f.calibrate();
        QImage pasted = testing::graphImage({300, 200});
        QGuiApplication::clipboard()->setImage(pasted);
        QTest::mouseClick(f.the<QPushButton>("Command1"), Qt::LeftButton);
        for (const char* box : {"Check1", "Check2", "Check3", "Check4"})
            QVERIFY(!f.checked(box));
        QCOMPARE(f.state.PixXmin, 0.0f);
        QCOMPARE(f.state.PixXmax, 0.0f);
        QCOMPARE(f.state.PixYmax, 0.0f);
        QVERIFY(!f.state.XminMarked && !f.state.XmaxMarked && !f.state.YmaxMarked);
        QVERIFY(!f.state.ConversionOn);
        QCOMPARE(f.the<QLineEdit>("Text4")->text(), QStringLiteral("100"));
        QCOMPARE(f.the<QLineEdit>("Text6")->text(), QStringLiteral("10"));
        QCOMPARE(f.image->windowTitle(), QStringLiteral("TracolGraph <Graph Paste>"));
        QCOMPARE(f.picture->picture().size(), QSize(300, 200));
        QCOMPARE(qobject_cast<Form23*>(f.windows.form23.data())->picture()->picture().size(),
                 QSize(300, 200));
        QCOMPARE(f.picture->drawnPicture(), f.picture->picture()); // no marks left
    }

    void resetClearsMarksButKeepsValuesAndPoints() {
        DigitizeFixture f;
        f.calibrate();
        f.state.LineBox[2] = QStringLiteral("1,2\r\n");
        QTest::mouseClick(f.the<QPushButton>("Command6"), Qt::LeftButton);
        for (const char* box : {"Check1", "Check2", "Check3", "Check4"})
            QVERIFY(!f.checked(box));
        QVERIFY(f.state.NotReady);
        QVERIFY(!f.state.BaseConfirmed);
        QCOMPARE(f.state.PixXmax, 0.0f);
        QVERIFY(!f.enabled("Command5"));
        QVERIFY(f.enabled("Command4"));
        QVERIFY(!f.enabled("Text10"));
        QCOMPARE(f.the<QLineEdit>("Text3")->text(), QStringLiteral("0"));
        QCOMPARE(f.state.LineBox[2], QStringLiteral("1,2\r\n"));
        QCOMPARE(f.picture->drawnPicture(), f.picture->picture());
    }

    void doubleClickDiscardsUnfinishedMarks() {
        DigitizeFixture f;
        f.mark("Check1", 60, 420);
        f.mark("Check2", 560, 420);
        QVERIFY(f.picture->drawnPicture() != f.picture->picture());
        QTest::mouseDClick(f.picture, Qt::LeftButton, {}, QPoint(200, 200));
        for (const char* box : {"Check1", "Check2", "Check3", "Check4"})
            QVERIFY(!f.checked(box));
        QCOMPARE(f.state.PixXmin, 0.0f);
        QCOMPARE(f.state.PixXmax, 0.0f);
        QCOMPARE(f.picture->drawnPicture(), f.picture->picture());
    }

    void helpTwiceShowsAndHides() {
        DigitizeFixture f;
        QAction* help = f.main->findChild<QAction*>("HELP01");
        help->trigger();
        auto* area = f.the<QTextEdit>("Text7");
        QVERIFY(area->isVisible());
        QVERIFY(area->toPlainText().startsWith(QStringLiteral("先ず画像データを呼込みます。")));
        QVERIFY(area->toPlainText().endsWith(QStringLiteral("左マウスでクリックします。        ")));
        QCOMPARE(area->height(), 477); // 7150 twips
        help->trigger();
        QVERIFY(!area->isVisible());
        QVERIFY(area->toPlainText().isEmpty());
        help->trigger();
        QVERIFY(area->isVisible());
        QTest::mouseClick(area->viewport(), Qt::LeftButton);
        QVERIFY(!area->isVisible());
        QCOMPARE(area->height(), 19); // back to a one-line message area
        help->trigger();
        QVERIFY(area->isVisible());
    }

    // A message longer than the one-line area is shown whole: the area wraps
    // and grows to its text, which stays as it is.
    void longMessagesAreShownWhole_data() {
        QTest::addColumn<QString>("message");
        QTest::newRow("select error")
            << QStringLiteral("<Select Error>                       Ｘmax<= 0 Or Ｘmin<= 0");
        QTest::newRow("plot error") << QStringLiteral(
            "<Plot Error>                       X1MIN! <> 0 And X1MIN! >= X");
    }
    void longMessagesAreShownWhole() {
        QFETCH(QString, message);
        DigitizeFixture f;
        f.main->showMessage(message);
        auto* area = f.the<QTextEdit>("Text7");
        QCOMPARE(f.message(), message);
        area->document()->setTextWidth(area->viewport()->width());
        QVERIFY(area->viewport()->height() >= qCeil(area->document()->size().height()));
        QCOMPARE(area->verticalScrollBar()->maximum(), 0);
    }

    void messageAreaHidesAfterFiveSeconds() {
        DigitizeFixture f;
        f.type("Text4", "1,000");
        QVERIFY(!f.message().isEmpty());
        auto* timer = f.main->findChild<QTimer*>("Timer2");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        QVERIFY(timer->isSingleShot());
        testing::fireTimer(timer);
        QVERIFY(f.message().isEmpty());
    }

    void hintsFollowThePointer_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Reset") << "Command6" << QStringLiteral("座標指示と座標値を全てクリアします");
        QTest::newRow("display form") << "Check5" << QStringLiteral("数値表示の変更(通常 or 指数)");
    }
    // A hint is read whole beside its control, inside the window.
    void hintsFollowThePointer() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        DigitizeFixture f;
        f.moveOver(f.the(control));
        auto* box = f.the<QLabel>("Text12");
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), hint);
        QVERIFY(box->height() >= box->heightForWidth(box->width()));
        QVERIFY(box->width() >= box->fontMetrics().horizontalAdvance(hint) ||
                box->heightForWidth(box->width()) > box->fontMetrics().height() * 3 / 2); // or wrapped
        QVERIFY(f.main->centralWidget()->rect().contains(box->geometry()));
        const QWidget* explained = f.the(control);
        const QRect controlArea(explained->mapTo(f.main->centralWidget(), QPoint(0, 0)), explained->size());
        QVERIFY(!box->geometry().intersects(controlArea));
        QVERIFY(qAbs(box->geometry().center().y() - controlArea.center().y()) < 3 * controlArea.height());
        f.moveOver(f.the("Frame1"));
        QVERIFY(!box->isVisible());
        f.click("Check5"); // hints end once the display form was switched
        f.moveOver(f.the(control));
        QVERIFY(!box->isVisible());
    }

    void displayFormSwitchesTheSampledValues() {
        DigitizeFixture f;
        f.calibrate();
        // The live value at the pointer becomes the sampled value on a click.
        f.moveOver(f.picture, QPoint(123, 300));
        f.liveReadoutTick();
        f.clickImage(123, 300);
        QCOMPARE(f.the<QLineEdit>("Text8")->text(), QStringLiteral("12.6"));
        f.click("Check5");
        QVERIFY(f.state.ExpDisplay);
        QCOMPARE(f.the<QLineEdit>("Text8")->text(), QStringLiteral("1.26000E+01"));
        f.click("Check5");
        QCOMPARE(f.the<QLineEdit>("Text8")->text(), QStringLiteral(" 12.6"));
    }

    void lineSelectionWhileSamplingShowsThatLine() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        QWidget* dataSet = f.windows.form21;
        QVERIFY(dataSet && dataSet->isVisible());
        QCOMPARE(dataSet->pos(), f.main->pos());
        QVERIFY(!f.main->isEnabled());
        f.main->findChild<QRadioButton*>("Option1(1)")->setChecked(true);
        QCOMPARE(f.state.CurrentLine, qint16(2));
        QCOMPARE(controlText(dataSet, "Text5"), QStringLiteral("2"));
        QVERIFY(isControlChecked(dataSet, "Option1(1)"));
        QVERIFY(control<QWidget>(dataSet, "Text1(1)")->isVisible());
        QVERIFY(!control<QWidget>(dataSet, "Text1(0)")->isVisible());
        f.clickImage(560, 40);
        QCOMPARE(f.state.LineBox[2], QStringLiteral("100,10\r\n"));
        QCOMPARE(controlText(dataSet, "Text6"), QStringLiteral("1"));
    }

    void clickAfterATypedPointKeepsThatPoint() {
        DigitizeFixture f;
        f.calibrate();
        QTest::mouseClick(f.the<QPushButton>("Command5"), Qt::LeftButton);
        // The user types a point into the Line's box and clicks before Enter.
        control<QPlainTextEdit>(f.windows.form21, "Text1(0)")->setPlainText(QStringLiteral("1,000"));
        f.clickImage(560, 40);
        QCOMPARE(f.state.LineBox[1], QStringLiteral("1,000\r\n100,10\r\n"));
        QCOMPARE(f.state.PointCount[1], qint16(2));
    }

    void imageWindowPlacesTheMainWindowAtItsRightEdge() {
        DigitizeFixture f;
        f.image->move(10, 20);
        f.image->resize(500, 400);
        QCoreApplication::processEvents();
        const QRect frame = f.image->frameGeometry();
        QCOMPARE(f.main->pos(), QPoint(frame.x() + frame.width(), frame.y()));
    }

    void closingAsksAndCancelReturns() {
        DigitizeFixture f;
        f.calibrate();
        QVERIFY(!f.main->close());
        QVERIFY(f.main->isVisible());
        QWidget* exitWindow = f.windows.form1;
        QVERIFY(exitWindow->isVisible());
        QCOMPARE(exitWindow->windowTitle(), QStringLiteral("終了画面"));
        QCOMPARE(control<QLabel>(exitWindow, "Label1")->text(), QStringLiteral("Ｔｒａｃｏｌを終了しますか"));
        QVERIFY(!f.main->isEnabled());
        QVERIFY(!f.image->isEnabled());
        QTest::mouseClick(control<QPushButton>(exitWindow, "Command2"), Qt::LeftButton);
        QVERIFY(!exitWindow->isVisible());
        QVERIFY(f.main->isEnabled() && f.main->isVisible());
        QVERIFY(f.image->isEnabled() && f.image->isVisible());
        QVERIFY(f.state.BaseConfirmed);
        QVERIFY(f.checked("Check2"));
        QVERIFY(!f.image->close());
        QVERIFY(f.image->isVisible());
        QVERIFY(exitWindow->isVisible());
    }

    void cancelledExitLeavesAnOpenDialogInCharge() {
        DigitizeFixture f;
        f.main->findChild<QAction*>("FFRD")->trigger();
        QWidget* dialog = f.windows.form22;
        QVERIFY(dialog->isVisible() && !f.main->isEnabled());
        const bool imageEnabled = f.image->isEnabled();
        QVERIFY(!f.image->close());
        QTest::mouseClick(control<QPushButton>(f.windows.form1, "Command2"), Qt::LeftButton);
        // The dialog still waits for its answer; the main window waits for it.
        QVERIFY(dialog->isVisible() && !f.main->isEnabled());
        QVERIFY(f.image->isVisible());
        QCOMPARE(f.image->isEnabled(), imageEnabled);
        QTest::mouseClick(control<QPushButton>(dialog, "Command2"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible() && f.main->isEnabled());
    }

    void exitQuestionLeavesWhatOthersChangedMeanwhile() {
        DigitizeFixture f;
        QTest::mouseClick(f.the<QPushButton>("Command8"), Qt::LeftButton);
        QWidget* save = f.windows.form24;
        QVERIFY(!f.image->close());
        // The save dialog gives control back while the question is shown...
        QTest::mouseClick(control<QPushButton>(save, "Command2"), Qt::LeftButton);
        QVERIFY(f.main->isEnabled());
        // ...and keyboard entry takes over from the main window.
        f.main->findChild<QAction*>("HENKOU1")->trigger();
        QVERIFY(f.windows.form50->isVisible() && !f.main->isVisible());
        QTest::mouseClick(control<QPushButton>(f.windows.form1, "Command2"), Qt::LeftButton);
        QVERIFY(f.windows.form50->isVisible() && !f.main->isVisible() && !f.image->isVisible());
    }

    void liveReadoutShowsGraphValuesOnceConfirmed() {
        DigitizeFixture f;
        f.calibrate();
        f.moveOver(f.picture, QPoint(310, 230));
        f.liveReadoutTick();
        QCOMPARE(f.the<QLineEdit>("Text1")->text(), QStringLiteral("50"));
        QCOMPARE(f.the<QLineEdit>("Text2")->text(), QStringLiteral("5"));
        QVERIFY(f.image->findChild<QFrame*>("Line1")->isVisible());
        f.moveOver(f.main->centralWidget());
        QVERIFY(!f.image->findChild<QFrame*>("Line1")->isVisible());
        QVERIFY(!f.main->findChild<QTimer*>("Timer1")->isActive());
    }
};

QTEST_MAIN(TestSamplingWindows)
#include "tst_sampling_windows.moc"
