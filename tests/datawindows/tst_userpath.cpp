// A user's whole path through the real window set: load a graph image,
// calibrate it, sample points into two Lines, save them, reset everything,
// load the file back; and keyboard entry asking before it replaces sampled
// points that were never saved.

#include "app/ApplicationWindows.h"
#include "digitize/MDIForm20.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

struct Application {
    SharedState state;
    Windows windows;
    ApplicationWindows set{state, windows};
    QTemporaryDir folder;

    Application() { set.start(); }

    QWidget* main() const { return windows.form20; }
    PictureBox* picture() const { return qobject_cast<MDIForm20*>(windows.mdiForm20.data())->picture(); }
    void click(QWidget* window, const QString& name) const {
        auto* button = control<QAbstractButton>(window, name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY2(button->isEnabled(), qPrintable(name));
        button->click();
    }
    void menu(const QString& name) const { main()->findChild<QAction*>(name)->trigger(); }
    void type(QWidget* window, const QString& name, const QString& text) const {
        auto* box = control<QLineEdit>(window, name);
        box->selectAll();
        box->del();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void clickPicture(int x, int y) const { QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(x, y)); }

    // The open dialog: a typed path and "決定".
    void openFile(const QString& path) const {
        QVERIFY(windows.form22->isVisible());
        control<QLineEdit>(windows.form22, "Text1")->setText(path);
        click(windows.form22, "Command1");
    }

    void loadImageAndCalibrate() {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QString imagePath = folder.filePath("graph.bmp");
        QVERIFY(image.save(imagePath, "BMP"));
        menu("BITMAP");
        openFile(imagePath);
        QVERIFY(picture()->hasPicture());
        // Origin at pixel (50, 250), Xmax at (350, 250), Ymax at (50, 50).
        click(main(), "Check1");
        clickPicture(50, 250);
        click(main(), "Check2");
        clickPicture(350, 250);
        click(main(), "Check4");
        clickPicture(50, 50);
        type(main(), "Text3", "0");
        type(main(), "Text4", "30");
        type(main(), "Text5", "0");
        type(main(), "Text6", "20");
        if (control<QPushButton>(main(), "Command4")->isEnabled())
            click(main(), "Command4");
        QVERIFY(!state.NotReady);
        QVERIFY(control<QPushButton>(main(), "Command5")->isEnabled());
    }

    void samplePoints() {
        click(main(), "Command5"); // データ採取開始
        QVERIFY(windows.form21->isVisible());
        for (const QPoint& p : {QPoint(80, 230), QPoint(150, 180), QPoint(230, 120), QPoint(300, 70)})
            clickPicture(p.x(), p.y());
        type(windows.form21, "Text2", "2.5");
        click(windows.form21, "Option1(1)");
        for (const QPoint& p : {QPoint(90, 200), QPoint(170, 160), QPoint(260, 140)})
            clickPicture(p.x(), p.y());
        type(windows.form21, "Text2", "10");
        QCOMPARE(state.PointCount[1], qint16(4));
        QCOMPARE(state.PointCount[2], qint16(3));
    }
};

} // namespace

class TestUserPath : public QObject {
    Q_OBJECT
  private slots:
    void sampleSaveResetAndLoadBack() {
        Application app;
        app.loadImageAndCalibrate();
        app.samplePoints();
        const auto boxes = app.state.LineBox;
        const auto counts = app.state.PointCount;
        const auto parameters = app.state.LineParameter;
        QCOMPARE(boxes[1].count(QStringLiteral("\r\n")), 4);
        QCOMPARE(parameters[1], QStringLiteral("2.5"));

        // Save all Lines.
        app.click(app.windows.form21, "Command1");
        QVERIFY(app.windows.form24->isVisible());
        const QString dataPath = app.folder.filePath("curves.dat");
        app.type(app.windows.form24, "Text1", dataPath);
        app.click(app.windows.form24, "Command4");
        app.click(app.windows.form24, "Command5"); // 了解
        QVERIFY(!app.windows.form24->isVisible());
        QVERIFY(QFile::exists(dataPath));
        QVERIFY(app.windows.form21->isVisible() && app.windows.form21->isEnabled());

        // Reset everything: all Lines deleted, back to the main window, Reset.
        app.click(app.windows.form21, "Command2");
        app.click(app.windows.form21, "Command5");
        app.click(app.main(), "Command6");
        for (int line = 1; line <= kLineCount; ++line) {
            QVERIFY(app.state.LineBox[line].isEmpty());
            QCOMPARE(app.state.PointCount[line], qint16(0));
        }

        // Load the file back from the main window's menu.
        app.menu("FFRD");
        app.openFile(dataPath);
        QVERIFY(!app.windows.form22->isVisible());
        QCOMPARE(app.state.OpenPurpose, qint16(0)); // marks are redrawn again
        QVERIFY(app.windows.form21->isVisible());
        QCOMPARE(app.windows.form21->windowTitle(), QStringLiteral("DataSet <curves.dat>"));
        for (int line = 1; line <= kLineCount; ++line) {
            QCOMPARE(app.state.LineBox[line], boxes[line]);
            QCOMPARE(app.state.PointCount[line], counts[line]);
            QCOMPARE(app.state.LineParameter[line].toDouble(), parameters[line].trimmed().toDouble());
        }
        QCOMPARE(controlText(app.windows.form21, "Text6"), QStringLiteral("4"));
        QCOMPARE(controlText(app.windows.form21, "Text2"), QStringLiteral("2.5"));

        // The loaded Lines start a computation.
        app.click(app.windows.form21, "Command6");
        QCOMPARE(app.state.LinesInUse, qint16(2));
        QCOMPARE(app.state.LoadedLineCount[1], qint16(4));
        QCOMPARE(app.state.LineOrder[1], qint16(2)); // "10" sorts before "2.5"
        QVERIFY(!app.windows.form21->isVisible());

        // Reopening the save dialog shows the saved path.
        app.windows.form24->show();
        QCOMPARE(controlText(app.windows.form24, "Text1"), dataPath);
    }

    void keyboardEntryAsksBeforeReplacingUnsavedPoints() {
        Application app;
        app.loadImageAndCalibrate();
        app.samplePoints();
        app.click(app.windows.form21, "Command5"); // back to the main window
        app.menu("HENKOU1");
        auto* question = app.windows.form50->findChild<QMessageBox*>("ReplaceQuestion");
        QVERIFY(question);
        question->findChild<QPushButton*>("Keep")->click();
        QCOMPARE(app.state.PointCount[1], qint16(4));
        QVERIFY(app.state.LineBox[1].count(u',') == 4);
        QVERIFY(!app.windows.form50->isVisible());
        QVERIFY(app.main()->isVisible() && app.main()->isEnabled());
    }
};

QTEST_MAIN(TestUserPath)
#include "tst_userpath.moc"
