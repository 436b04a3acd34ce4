// The plot screen opened from a real computation: its opening steps, the
// readouts, the copy to the clipboard, the way back, and the CSV dialog for
// the plot's graph data and for keyboard entry's data.

#include "core/CodePage932.h"
#include "output/GraphDataCsv.h"
#include "tests/fitwindows/ComputationFixture.h"
#include "ui/PlotView.h"
#include "ui/PrintOutput.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>

using namespace tracol;
using testing::ComputationFixture;

namespace {

struct PlotFixture : ComputationFixture {
    PlotFixture() {
        openFromDataSetWindow();
        start();
    }
    QWidget* plot() const { return windows.form70; }
    PlotView* picture() const { return control<PlotView>(plot(), "Picture1"); }
    QString field(int k) const { return controlText(plot(), QStringLiteral("Text%1").arg(k)); }
    QLabel* label(const QString& name) const { return control<QLabel>(plot(), name); }
    // A press on the plot at the picture position of graph values (x, y).
    void pressAt(double x, double y, Qt::MouseButton button) const {
        const QPointF twips = picture()->scene().mapping.toPicture(x, y);
        QTest::mouseClick(picture(), button, {}, (twips / 15).toPoint());
    }
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestForm70 : public QObject {
    Q_OBJECT
  private slots:
    void drawButtonOpensTheDataRangeAndComesBack() {
        PlotFixture f;
        f.button(f.screen(), "Command3")->click(); // 描 画
        QVERIFY(f.plot()->isVisible());
        QCOMPARE(f.plot()->windowTitle(), QStringLiteral("ＰＬＯＴ画面"));
        QVERIFY(!f.button(f.screen(), "Command1")->isEnabled()); // the screen's buttons wait
        QCOMPARE(f.field(1), QStringLiteral(" .7"));             // the data range
        QCOMPARE(f.field(2), QStringLiteral(" 11.2"));
        QVERIFY(!isControlChecked(f.plot(), "Check1")); // the main window's axes are linear
        QVERIFY(f.picture()->hasPlot());
        QVERIFY(!f.picture()->plotData().curves.empty()); // the fitting has run
        QVERIFY(!f.label("Text5")->isVisible());          // "描 画" keeps the advice away
        f.button(f.plot(), "Command2")->click();          // 戻 る
        QVERIFY(!f.plot()->isVisible());
        QVERIFY(f.screen()->isVisible() && f.button(f.screen(), "Command1")->isEnabled());
    }

    void theMenuShowsTheAdviceUntilItIsClicked() {
        PlotFixture f;
        f.menu("GPP");
        QVERIFY(!f.screen()->isEnabled());
        QVERIFY(f.label("Text5")->isVisible());
        QTest::mouseClick(f.label("Text5"), Qt::LeftButton);
        QVERIFY(!f.label("Text5")->isVisible());
        f.button(f.plot(), "Command2")->click();
        QVERIFY(f.screen()->isEnabled());
        f.menu("GPP"); // clicked once: the advice stays away
        QVERIFY(!f.label("Text5")->isVisible());
    }

    void helpTextUntilItIsClicked() {
        PlotFixture f;
        f.button(f.screen(), "Command3")->click();
        f.button(f.plot(), "Command10")->click(); // ？
        QLabel* help = f.label("Text8");
        QVERIFY(help->isVisible());
        QVERIFY(help->text().startsWith(QStringLiteral("このPLOT画面では以下の機能を利用できます．")));
        QVERIFY(
            help->text().endsWith(QStringLiteral("この表示を消すには表示部分をマウスでクリックします．")));
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(!help->isVisible());
    }

    void rightButtonCopiesThePlotAndShowsThePickedPoint() {
        PlotFixture f;
        f.button(f.screen(), "Command3")->click();
        QGuiApplication::clipboard()->clear();
        const QString x = f.state.PointXText[1][3], y = f.state.PointYText[1][3];
        f.pressAt(x.toDouble(), y.toDouble(), Qt::RightButton);
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        QVERIFY(!f.label("Text6")->isVisible()); // the click readout is the left button's
        QVERIFY(f.label("Text7")->isVisible());
        QCOMPARE(f.label("Text7")->text(), " " + x + ",  " + y); // general texts, with their blanks
        f.pressAt(x.toDouble(), y.toDouble(), Qt::LeftButton);
        QVERIFY(f.label("Text6")->text().startsWith("X="));
        QVERIFY(f.label("Text6")->isVisible());
        QTest::mouseClick(f.label("Text6"), Qt::LeftButton);
        QVERIFY(!f.label("Text6")->isVisible() && !f.label("Text7")->isVisible());
    }

    void anUnusableRangeDrawsNothing() {
        PlotFixture f;
        f.button(f.screen(), "Command3")->click();
        const PlotData before = f.picture()->plotData();
        control<QLineEdit>(f.plot(), "Text1")->setText("0");
        control<QCheckBox>(f.plot(), "Check1")->click(); // a log X axis from 0
        QCOMPARE(f.picture()->plotData().x.max, before.x.max);
        QVERIFY(!f.picture()->plotData().x.log);
        f.button(f.plot(), "Command3")->click(); // 標準座標 draws again
        QCOMPARE(f.field(1), QStringLiteral(" .7"));
        QVERIFY(!isControlChecked(f.plot(), "Check1"));
    }

    // A double click on Label6 without one on Label5 first disables
    // "ｸﾞﾗﾌ出力"; the next opening of the screen gives it back.
    void graphPrintButtonIsEnabledOnEveryOpening() {
        PlotFixture f;
        f.button(f.screen(), "Command3")->click();
        QTest::mouseDClick(f.label("Label6"), Qt::LeftButton);
        QVERIFY(!f.button(f.plot(), "Command5")->isEnabled());
        f.button(f.plot(), "Command2")->click();
        f.button(f.screen(), "Command3")->click();
        QVERIFY(f.button(f.plot(), "Command5")->isEnabled());
        QTest::mouseDClick(f.label("Label5"), Qt::LeftButton);
        QTest::mouseDClick(f.label("Label6"), Qt::LeftButton);
        QVERIFY(f.button(f.plot(), "Command5")->isEnabled());
    }

    void printButtons() {
        PlotFixture f;
        QStringList printed;
        f.windows.printOutput().setPrinterSource([&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printed << f.folder.filePath(QStringLiteral("page%1.pdf").arg(printed.size()));
            printer->setOutputFileName(printed.last());
            return printer;
        });
        f.button(f.screen(), "Command3")->click();
        f.button(f.plot(), "Command5")->click(); // ｸﾞﾗﾌ出力
        QCOMPARE(f.state.printSettings.GraphPrintPending, qint16(1));
        f.button(f.plot(), "Command6")->click(); // H Copy
        QCOMPARE(printed.size(), 2);
        for (const QString& page : printed)
            QVERIFY(QFileInfo(page).size() > 1000);
        QCOMPARE(f.picture()->scene().background, kPlotScreenBackground); // grey again after the copy
        f.button(f.plot(), "Command8")->click();                          // 用紙設定
        QVERIFY(f.windows.form8->isVisible() && !f.plot()->isEnabled());
        f.button(f.windows.form8, "Command2")->click(); // 戻　る
        QVERIFY(f.plot()->isVisible() && f.plot()->isEnabled());
    }

    void graphDataCsvIsTheEnginesCsv() {
        PlotFixture f;
        f.button(f.screen(), "Command3")->click();
        SharedState copy = f.state;
        const QStringList expected = graphDataLines(copy);
        f.button(f.plot(), "Command7")->click(); // CSV_File
        QCOMPARE(control<QPushButton>(f.windows.form84, "Command4")->text(),
                 QStringLiteral("ｸﾞﾗﾌﾃﾞｰﾀの保存"));
        QCOMPARE(control<QLabel>(f.windows.form84, "Label2")->text(), QStringLiteral("ＣＳＶ"));
        const QString path = f.folder.filePath("graph.csv");
        f.saveThrough(f.windows.form84, path);
        QVERIFY(f.plot()->isVisible() && f.plot()->isEnabled());
        QCOMPARE(cp932::decode(fileBytes(path)).value_or(QString()), expected.join("\r\n") + "\r\n");

        // Saved again under the same name: the CSV replaces the earlier one.
        QVERIFY(QFile::resize(path, 10));
        f.button(f.plot(), "Command7")->click();
        f.saveThrough(f.windows.form84, path);
        QCOMPARE(cp932::decode(fileBytes(path)).value_or(QString()), expected.join("\r\n") + "\r\n");
    }

    void keyboardDataSavedThroughTheCsvDialogLoadsBack() {
        ComputationFixture f;
        f.windows.form20->findChild<QAction*>("HENKOU1")->trigger();
        control<QPlainTextEdit>(f.windows.form50, "Text2(0)")->setPlainText("1 2\n2 4.5\n3 7\n");
        f.button(f.windows.form50, "Command6")->click(); // 全データ保存
        QCOMPARE(control<QPushButton>(f.windows.form84, "Command4")->text(),
                 QStringLiteral("キーボード入力データの保存"));
        // Data never replace a file that is not a data file.
        const QString notes = f.folder.filePath("notes.txt");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Meeting notes\r\n");
        file.close();
        control<QLineEdit>(f.windows.form84, "Text1")->setText(notes);
        f.button(f.windows.form84, "Command4")->click();
        QCOMPARE(controlText(f.windows.form84, "Text2"), QStringLiteral("不適切なファイル名"));
        QVERIFY(!f.button(f.windows.form84, "Command5")->isVisible());
        QCOMPARE(fileBytes(notes), QByteArray("Meeting notes\r\n"));

        const QString path = f.folder.filePath("typed.dat");
        f.saveThrough(f.windows.form84, path);
        QVERIFY(f.windows.form50->isVisible() && f.windows.form50->isEnabled());
        SharedState readBack;
        QVERIFY(readDataSetFile(readBack, path).ok);
        QCOMPARE(readBack.PointCount[1], qint16(3));
        QCOMPARE(readBack.LineText[1], QStringLiteral("1 , 2\r\n2 , 4.5\r\n3 , 7\r\n"));
    }
};

QTEST_MAIN(TestForm70)
#include "tst_form70.moc"
