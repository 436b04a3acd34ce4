// Hand-overs between the main window, the DataSet window and the open dialog
// leave every window usable: a dialog left without a file, and the DataSet
// window closed through its frame.

#include "DigitizeFixture.h"

using namespace tracol;
using testing::DigitizeFixture;

namespace {

void clickButton(QWidget* window, const char* name) {
    auto* button = control<QPushButton>(window, QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestWindowHandovers : public QObject {
    Q_OBJECT
  private slots:
    void leavingTheDialogWithoutAFile_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("ｷｬﾝｾﾙ") << "Command3";
        QTest::newRow("戻 る") << "Command2";
    }

    // "数値ﾃﾞｰﾀの呼込み" of the main window left without a file: no sampling
    // starts, so the calibration clicks mark and the last one readies.
    void leavingTheDialogWithoutAFile() {
        QFETCH(QString, button);
        DigitizeFixture f;
        f.main->findChild<QAction*>("FFRD")->trigger();
        QVERIFY(f.windows.form22->isVisible());
        clickButton(f.windows.form22, qPrintable(button));
        QVERIFY(f.main->isEnabled());
        QVERIFY(!f.state.SamplingActive);
        f.calibrate();
        QVERIFY(f.message().isEmpty());
        QVERIFY(f.state.BaseConfirmed && !f.state.NotReady);
        QVERIFY(f.enabled("Command5"));
    }

    void leavingTheDataSetWindowsLoadWithoutAFile_data() { leavingTheDialogWithoutAFile_data(); }

    // The DataSet window's "数値ﾃﾞｰﾀの呼込み" disabled the image window; it
    // takes clicks again once the dialog is left, and after a new start.
    void leavingTheDataSetWindowsLoadWithoutAFile() {
        QFETCH(QString, button);
        DigitizeFixture f;
        f.calibrate();
        f.click("Command5");
        QWidget* dataSet = f.windows.form21;
        clickButton(dataSet, "Command7");
        QVERIFY(!f.image->isEnabled());
        clickButton(f.windows.form22, qPrintable(button));
        QVERIFY(f.image->isEnabled());
        f.clickImage(310, 230);
        QCOMPARE(f.state.PointCount[1], qint16(1));

        clickButton(dataSet, "Command5"); // 戻る（初期画面）
        QVERIFY(f.image->isEnabled());
        clickButton(f.main, "Command5");
        f.clickImage(435, 135);
        QCOMPARE(f.state.LineBox[1], QStringLiteral("50,5\r\n75,7.5\r\n"));
    }

    void closingTheDataSetWindowGoesBackToTheMainWindow() {
        DigitizeFixture f;
        f.calibrate();
        f.click("Command5");
        f.clickImage(310, 230);
        QWidget* dataSet = f.windows.form21;
        QVERIFY(!f.main->isEnabled());
        dataSet->close();
        QVERIFY(f.main->isEnabled() && f.main->isVisible());
        QVERIFY(f.enabled("Command3"));
        QVERIFY(!f.state.SamplingActive);
        f.clickImage(435, 135); // no Line out of sight takes it
        QCOMPARE(f.state.PointCount[1], qint16(1));
        QCOMPARE(f.state.LineBox[1], QStringLiteral("50,5\r\n"));
    }
};

QTEST_MAIN(TestWindowHandovers)
#include "tst_window_handovers.moc"
