// Reading a data-set file for the open dialog's data purposes and showing it
// in the DataSet window.

#include "WindowStandIns.h"
#include "data/DataSetLoading.h"
#include "data/Form21.h"
#include "ui/Controls.h"
#include "ui/LineHistory.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

struct Fixture {
    SharedState state;
    Windows windows;
    testing::MainWindowStandIn main{windows};
    testing::OpenDialogStandIn dialog{windows};
    testing::ImageWindowStandIn image{windows};
    LineHistory history{state, windows};
    Form21 dataSet{state, windows};
    QTemporaryDir folder;

    Fixture() {
        image.setWindowTitle("TracolGraph <C:\\graph.bmp>");
        state.SamplingActive = true;
        main.move(50, 40);
        dialog.show();
    }
    QString file(const QByteArray& content) const {
        const QString path = folder.filePath("set.dat");
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        return path;
    }
    QString box(int line) const {
        return control<QPlainTextEdit>(&dataSet, indexedName("Text1", line - 1))->toPlainText();
    }
    // Points sampled on Lines 1 and 3, never saved.
    void sampleTwoLines() {
        state.LineBox[1] = QStringLiteral("1,2\r\n3,4\r\n5,6\r\n");
        state.LineBox[3] = QStringLiteral("7,8\r\n9,10\r\n11,12\r\n13,14\r\n");
        emit windows.lineBoxChanged(1);
        emit windows.lineBoxChanged(3);
        state.LineParameter[1] = QStringLiteral("0.5");
        state.LineParameter[3] = QStringLiteral("7");
        state.CurrentLine = 3;
    }
    void checkTwoLinesKept() const {
        QCOMPARE(box(1), QStringLiteral("1,2\n3,4\n5,6\n"));
        QCOMPARE(box(3), QStringLiteral("7,8\n9,10\n11,12\n13,14\n"));
        QCOMPARE(state.PointCount[1], qint16(3));
        QCOMPARE(state.PointCount[3], qint16(4));
        QCOMPARE(state.LineText[3], QStringLiteral("7,8\r\n9,10\r\n11,12\r\n13,14\r\n"));
        QCOMPARE(state.LineParameter[1], QStringLiteral("0.5"));
        QCOMPARE(state.LineParameter[3], QStringLiteral("7"));
        QCOMPARE(state.CurrentLine, qint16(3));
        QVERIFY(state.SavedLineBox[1].isEmpty()); // still not saved anywhere
    }
};

} // namespace

class TestDataSetLoading : public QObject {
    Q_OBJECT
  private slots:
    void aFileFromTheDataSetWindow() {
        Fixture f;
        f.state.OpenPurpose = 1;
        f.state.LineBox[5] = "9,9\r\n9,9\r\n9,9\r\n";
        emit f.windows.lineBoxChanged(5);
        f.dataSet.setEnabled(false);
        const QString path = f.file(".5, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n7, 1 , 2\r\n1,1\r\n2,2\r\n");
        QCOMPARE(loadDataSetFile(f.state, f.windows, path), QString());
        QCOMPARE(f.box(1), QStringLiteral("1,2\n3,4\n5,6\n"));
        QCOMPARE(f.box(2), QStringLiteral("1,1\n2,2\n"));
        QCOMPARE(f.box(5), QString()); // every Line was reset first
        QCOMPARE(f.state.LineParameter[1], QStringLiteral(".5"));
        QCOMPARE(f.state.LineParameter[5], QStringLiteral("5"));
        QCOMPARE(controlText(&f.dataSet, "Text5"), QStringLiteral("1"));
        QCOMPARE(controlText(&f.dataSet, "Text6"), QStringLiteral("3"));
        QCOMPARE(controlText(&f.dataSet, "Text2"), QStringLiteral(".5"));
        QVERIFY(isControlChecked(&f.dataSet, "Option1(0)"));
        QVERIFY(isControlChecked(&f.main, "Option1(0)"));
        QCOMPARE(f.dataSet.windowTitle(), QStringLiteral("DataSet <set.dat>"));
        QCOMPARE(f.image.windowTitle(), QStringLiteral("TracolGraph"));
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(f.dataSet.isVisible() && f.dataSet.isEnabled());
        QCOMPARE(f.state.SavedLineBox[1], f.state.LineBox[1]); // nothing unsaved
    }

    void aFileFromTheMainWindowTakesItsPlace() {
        Fixture f;
        f.state.OpenPurpose = 2;
        f.image.show();
        f.main.show();
        const QString path = f.file("1, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n");
        QCOMPARE(loadDataSetFile(f.state, f.windows, path), QString());
        QCOMPARE(f.dataSet.pos(), f.main.pos());
        QVERIFY(!f.image.isVisible());
        QVERIFY(f.dataSet.isVisible());
    }

    void refusedFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("no points") << QByteArray("1, 1 , 0\r\n") << "ﾌｧｲﾙ内容不正";
        QTest::newRow("kind 2") << QByteArray("1, 2 , 3\r\n1,2\r\n3,4\r\n5,6\r\n") << "ﾌｧｲﾙ内容不正";
        QTest::newRow("second block broken")
            << QByteArray("1, 1 , 2\r\n1,2\r\n3,4\r\n2, 1 , 2\r\n5 6\r\n") << "ﾌｧｲﾙ内容不正";
    }
    // A refused file leaves the Lines on screen as they were (the points the
    // user sampled are not lost to a wrong file).
    void refusedFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Fixture f;
        f.state.OpenPurpose = 1;
        f.sampleTwoLines();
        QCOMPARE(loadDataSetFile(f.state, f.windows, f.file(content)), message);
        QVERIFY(f.dialog.isVisible()); // the dialog stays open
        f.checkTwoLinesKept();
    }

    void aMissingFile() {
        Fixture f;
        f.state.OpenPurpose = 1;
        f.sampleTwoLines();
        QCOMPARE(loadDataSetFile(f.state, f.windows, f.folder.filePath("none.dat")),
                 QStringLiteral("ﾌｧｲﾙ名不正"));
        QVERIFY(f.dialog.isVisible());
        f.checkTwoLinesKept();
    }
};

QTEST_MAIN(TestDataSetLoading)
#include "tst_datasetloading.moc"
